#include "WindowTestHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>

class PaneAidsTest : public MainWindowTest {
    Q_OBJECT

private:
    QAction *item(const char *name) const { return control<QAction>(name); }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    bool wraps() const { return resultsPane()->lineWrapMode() == QPlainTextEdit::WidgetWidth; }
    QString cursorLabels() const
    {
        return text("GradButton1") + "|" + text("GradButton2") + "|" + text("GradButton3");
    }
    // A key pressed while `focused` has the focus.
    void press(const char *focused, Qt::Key key)
    {
        control(focused)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
    }

private slots:
    void init()
    {
        startWithTestFolder();
        showWindow();
    }
    void cleanup() { program.reset(); }

    void copyingTakesTheWholeResultsAsPlainText()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
        item("Copia1")->trigger();
        QCOMPARE(clipboardText(), QStringLiteral("prima")); // an empty pane copies nothing

        // A no-break space (a Windows-1252 byte like any other) is copied as it is.
        const QString lines = QStringLiteral("CASA = house\nCITTÀ = city\u00a0centre\n");
        typeAndClick("casa", "Button1");
        resultsPane()->setPlainText(lines);
        for (const char *focused : {"RxRichEdit1", "ComboBox1", "ComboBox2", "RxRichEdit2"}) {
            QGuiApplication::clipboard()->clear();
            press(focused, Qt::Key_F6);
            QVERIFY2(clipboardText() == lines, focused);
            QCOMPARE(resultsPane()->textCursor().selectedText().size(), lines.size());
        }
        QGuiApplication::clipboard()->clear();
        item("Copia1")->trigger();
        QCOMPARE(clipboardText(), lines);
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
    }

    void clearingTheResultsRewritesTheLineCounter()
    {
        typeAndClick("casa", "Button1");
        QCOMPARE(text("Panel2"), QStringLiteral("1  LINEE"));
        item("Azzera1")->trigger();
        QCOMPARE(results(), QStringList());
        QCOMPARE(text("Panel2"), QStringLiteral("0  LINEE"));
        // The counter follows every change, in the language of the moment.
        resultsPane()->setPlainText(QStringLiteral("a\nb\nc"));
        QCOMPARE(text("Panel2"), QStringLiteral("3  LINEE"));
        control<QLabel>("Panel1")->setText(QStringLiteral("SEARCHES"));
        press("RxRichEdit1", Qt::Key_F7);
        QCOMPARE(resultsPane()->toPlainText(), QString());
        QCOMPARE(text("Panel2"), QStringLiteral("0  LINES"));
    }

    void pastingReplacesTheSelectionWithPlainText()
    {
        input()->setPlainText(QStringLiteral("abcdef"));
        QTextCursor cursor = input()->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        input()->setTextCursor(cursor);
        auto *copied = new QMimeData;
        copied->setText(QStringLiteral("X\nY"));
        copied->setHtml(QStringLiteral("<b>bold</b>"));
        QGuiApplication::clipboard()->setMimeData(copied);
        item("Copiadallamemoria1")->trigger();
        QCOMPARE(input()->toPlainText(), QStringLiteral("abX\nYef"));
        QCOMPARE(input()->textCursor().position(), 5);
        // The keyboard's paste takes the same way.
        input()->setFocus();
        QTest::keySequence(input(), QKeySequence::Paste);
        QCOMPARE(input()->toPlainText(), QStringLiteral("abX\nYX\nYef"));

        item("Azzera2")->trigger();
        QCOMPARE(input()->toPlainText(), QString());
        QVERIFY(!item("Aggiungiundizionario2")->isEnabled());
    }

    void theMenuItemAndTheCheckBoxEachSetTheWordWrap()
    {
        QVERIFY(!wraps() && !item("Accapoautomatico1")->isChecked() && !control<QCheckBox>("CheckBox1")->isChecked());
        press("RxRichEdit2", Qt::Key_F8);
        QVERIFY(wraps() && item("Accapoautomatico1")->isChecked());
        auto *checkBox = control<QCheckBox>("CheckBox1");
        QTest::mouseClick(checkBox, Qt::LeftButton);
        QVERIFY(wraps());
        QTest::mouseClick(checkBox, Qt::LeftButton);
        QVERIFY(!wraps() && item("Accapoautomatico1")->isChecked());
        press("ComboBox2", Qt::Key_F8);
        QVERIFY(!wraps() && !item("Accapoautomatico1")->isChecked());
    }

    void cursorLabelsFollowTheCaret()
    {
        QCOMPARE(cursorLabels(), QStringLiteral("Riga 1|Colonna 1|0 caratteri nella riga"));
        resultsPane()->setPlainText(QStringLiteral("uno\nà\n"));
        QTextCursor cursor = resultsPane()->textCursor();
        cursor.setPosition(5);
        resultsPane()->setTextCursor(cursor);
        QCOMPARE(cursorLabels(), QStringLiteral("Riga 2|Colonna 2|1 carattere nella riga"));
        control<QLabel>("Panel1")->setText(QStringLiteral("SEARCHES"));
        cursor.setPosition(2);
        resultsPane()->setTextCursor(cursor);
        QCOMPARE(cursorLabels(), QStringLiteral("Row 1|Column 3|3 characters in the row"));
    }

    void aPressOnTheProgressBarSetsItBackToZero()
    {
        pick("doppi.txt");
        auto *bar = control<QProgressBar>("ProgressBar1");
        QCOMPARE(bar->value(), 5);
        QTest::mousePress(bar, Qt::LeftButton);
        QCOMPARE(bar->value(), 0);
    }

    void bothItemsHideAndShowTheInformationByOneState()
    {
        const char *fields[] = {"Panel2", "GradButton4", "GradButton1", "GradButton2", "GradButton3"};
        const auto captions = [this] {
            return item("Nascondileinformazioni1")->text() + "|" + item("Nascondileinformazioni2")->text();
        };
        const auto shown = [&] {
            int visible = 0;
            for (const char *name : fields)
                visible += control(name)->isVisible();
            return visible == 5 ? 1 : visible == 0 ? 0 : -1;
        };
        QCOMPARE(shown(), 1);
        press("RxRichEdit1", Qt::Key_F9);
        QCOMPARE(shown(), 0);
        QCOMPARE(captions(), QStringLiteral("Visualizza le &informazioni|Visualizza le &informazioni"));
        // Hidden fields are kept up to date.
        typeAndClick("casa", "Button1");
        QCOMPARE(text("Panel2"), QStringLiteral("1  LINEE"));
        item("Nascondileinformazioni1")->trigger();
        QCOMPARE(shown(), 1);
        QCOMPARE(captions(), QStringLiteral("Nascondi le &informazioni|Nascondi le informazioni"));

        // A switch while shown gives the items the table's captions.
        clickFlag("Image2");
        QCOMPARE(captions(), QStringLiteral("No &info|No info"));
        item("Nascondileinformazioni2")->trigger();
        QCOMPARE(shown(), 0);
        QCOMPARE(captions(), QStringLiteral("&Info|&Info"));
        item("Nascondileinformazioni2")->trigger();
        QCOMPARE(shown(), 1);
        QCOMPARE(captions(), QStringLiteral("No &info|No &info"));

        // Hidden, the group stays hidden through a switch, its items say so,
        // its status line follows the language, and the next click shows it.
        item("Nascondileinformazioni1")->trigger();
        clickFlag("Image1");
        QCOMPARE(shown(), 0);
        QCOMPARE(captions(), QStringLiteral("Visualizza le &informazioni|Visualizza le informazioni"));
        QCOMPARE(text("GradButton4"), QStringLiteral("6 DIZIONARI - 18 DEFINIZIONI NEL DIZIONARIO CORRENTE"));
        item("Nascondileinformazioni1")->trigger();
        QCOMPARE(shown(), 1);
        QCOMPARE(captions(), QStringLiteral("Nascondi le &informazioni|Nascondi le informazioni"));
    }
};

QTEST_MAIN(PaneAidsTest)
#include "PaneAidsTest.moc"
