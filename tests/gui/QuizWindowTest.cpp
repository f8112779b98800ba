#include "OperationsSweep.h"

#include <QAction>
#include <QCheckBox>
#include <QSoundEffect>
#include <QTextEdit>
#include <QtEndian>

#include <deque>

namespace {

// A dictionary of `entries` entries: the header pair, then TERMk with the answers given, or "answer k".
QStringList quizDictionary(int entries, const QStringList &answers = {})
{
    QStringList lines = {"QUIZ", "intestazione"};
    for (int k = 1; k < entries; ++k)
        lines << QStringLiteral("TERM%1").arg(k) << answers.value(k - 1, QStringLiteral("answer %1").arg(k));
    return lines;
}

} // namespace

class QuizWindowTest : public OperationsTest {
    Q_OBJECT

private:
    // The quiz's draws in turn, then 0: the right answer above, the first unasked item.
    std::deque<std::size_t> draws;

    // The program on the test folder with the real pictures and sounds, its
    // default dictionary of `entries` entries.
    void startQuizProgram(int entries, const QStringList &answers = {})
    {
        writeFolderWithoutProgram();
        writeFile(path("dizionari/italiano_inglese.txt"), quizDictionary(entries, answers));
        program = std::make_unique<Program>(path({}), [this](std::size_t count) {
            const std::size_t value = draws.empty() ? 0 : draws.front();
            if (!draws.empty())
                draws.pop_front();
            return std::min(value, count - 1);
        });
        showWindow();
    }

    Form7 *quiz() const { return program->form7(); }
    template <typename T = QWidget> T *quizControl(const char *name) const { return controlOf<T>(quiz(), name); }
    QLineEdit *box(const char *name) const { return quizControl<QLineEdit>(name); }
    QString question() const { return quizControl<QTextEdit>("Domanda")->toPlainText(); }
    // The question and both answers as the screen shows them.
    QStringList screen() const { return {question(), box("Scelta1")->text(), box("Scelta2")->text()}; }
    QString counts() const
    {
        return quizControl<QLabel>("ConteggioGiuste1")->text() + "/" + quizControl<QLabel>("ConteggioErrate1")->text();
    }
    bool showsPicture(const char *label, const char *file) const
    {
        return quizControl<QLabel>(label)->pixmap().toImage().convertToFormat(QImage::Format_RGB32) ==
               QImage(path(file)).convertToFormat(QImage::Format_RGB32);
    }
    QColor colourOf(const char *name) const { return box(name)->palette().color(QPalette::Base); }
    bool answerable() const
    {
        return box("Scelta1")->isEnabled() && box("Scelta2")->isEnabled() && !quizControl("Avanti1")->isEnabled();
    }
    void choose(const char *name) { QTest::mouseClick(box(name), Qt::LeftButton); }
    void clickQuiz(const char *name) { QTest::mouseClick(quizControl<QAbstractButton>(name), Qt::LeftButton); }
    void openQuiz(const char *launcher)
    {
        if (launcher[0] == 'T')
            control<QAction>(launcher)->trigger();
        else
            click(launcher);
        QVERIFY(quiz()->isVisible());
    }
    // Clicks ESCI; the main window is in use again.
    void closeQuiz()
    {
        clickQuiz("Esci");
        QVERIFY(!quiz()->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private slots:
    void init() { startQuizProgram(20); }
    void cleanup() { program.reset(); }

    void theProgramHasItsPicturesAndSounds()
    {
        const QString folder = QStringLiteral(ZELVORA_PROGRAM_FOLDER "/");
        QList<QImage> pictures;
        for (const char *name : {"si.bmp", "no.bmp", "0.bmp"}) {
            pictures += QImage(folder + name);
            QVERIFY2(!pictures.last().isNull(), name);
        }
        QVERIFY(pictures[0] != pictures[1] && pictures[1] != pictures[2]);
        // What QSoundEffect plays: 16-bit PCM wave files, short ones.
        for (const char *name : {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}) {
            QFile file(folder + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), name);
            const QByteArray bytes = file.readAll();
            const auto u16 = [&bytes](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
            const auto u32 = [&bytes](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
            QVERIFY2(bytes.size() > 44 && bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ", name);
            QCOMPARE(u16(20), 1);  // PCM
            QCOMPARE(u16(34), 16); // bits per sample
            QVERIFY(bytes.mid(36, 4) == "data" && u32(40) == quint32(bytes.size() - 44));
            const double seconds = u32(40) / double(u32(28));
            QVERIFY2(seconds > 0.2 && seconds < 1.0, name);
        }
    }

    void aWholeQuizWithAndWithoutConfirmation()
    {
        openQuiz("Button33");
        QVERIFY(quiz()->isMaximized() && quiz()->isModal());
        QCOMPARE(quiz()->windowTitle(), QStringLiteral("TEST - italiano_inglese.txt"));
        QCOMPARE(quizControl<QLabel>("Titolo")->text(), QStringLiteral("italiano_inglese.txt"));
        // Twenty entries: the header pair is asked too. The wrong answer is the item's nine places on.
        QCOMPARE(screen(), QStringList({"QUIZ", "intestazione", "answer 9"}));
        QVERIFY(answerable() && showsPicture("SiNo1", "0.bmp") && showsPicture("Si1", "si.bmp"));
        QCOMPARE(colourOf("Scelta1"), QColor(192, 192, 192));

        // Advancing without confirmation: counts and picture change, the next question comes at once.
        choose("Scelta1");
        QCOMPARE(counts(), QStringLiteral("1/0"));
        QVERIFY(showsPicture("SiNo1", "si.bmp"));
        draws = {20}; // the next right answer below
        choose("Scelta2");
        QCOMPARE(counts(), QStringLiteral("1/1"));
        QVERIFY(showsPicture("SiNo1", "no.bmp"));
        QCOMPARE(screen(), QStringList({"TERM2", "answer 11", "answer 2"}));
        QVERIFY(answerable());
        QCOMPARE(colourOf("Scelta1"), QColor(192, 192, 192));

        // With confirmation: the answered box is coloured and the user moves on with AVANTI.
        quizControl<QCheckBox>("Conferma")->click();
        choose("Scelta2");
        QCOMPARE(colourOf("Scelta2"), QColor(255, 255, 0));
        QVERIFY(!box("Scelta1")->isEnabled() && !box("Scelta2")->isEnabled());
        QCOMPARE(question(), QStringLiteral("TERM2"));
        clickQuiz("Avanti1");
        QVERIFY(answerable());
        QCOMPARE(colourOf("Scelta2"), QColor(192, 192, 192));
        choose("Scelta2");
        QCOMPARE(colourOf("Scelta2"), QColor(255, 104, 0));
        QCOMPARE(counts(), QStringLiteral("2/2"));

        // Reset changes the counts only.
        const QStringList answered = screen();
        clickQuiz("Contatore1");
        QCOMPARE(counts(), QStringLiteral("0/0"));
        QCOMPARE(screen(), answered);
        QVERIFY(!answerable());
        closeQuiz();
        QCOMPARE(termBox()->count(), 20);
    }

    void sixteenItemsAskFifteenQuestions()
    {
        openQuiz("Test2");
        QStringList asked;
        for (int k = 0; k < 15; ++k) {
            asked += question();
            choose("Scelta1");
        }
        QCOMPARE(asked.first(), QStringLiteral("QUIZ"));
        QCOMPARE(asked.last(), QStringLiteral("TERM14"));
        // TERM15 gave way to the next set of the four items left, with the counts at 0.
        QCOMPARE(question(), QStringLiteral("TERM16"));
        QCOMPARE(counts(), QStringLiteral("0/0"));
        QCOMPARE(box("Scelta2")->text(), QStringLiteral("answer 19")); // three places on
        choose("Scelta1");
        choose("Scelta1");
        QCOMPARE(screen(), QStringList({"TERM18", "answer 18", "answer 19"}));
        // Every term asked: an empty question, nothing to answer, and no endless preparing.
        choose("Scelta1");
        QCOMPARE(screen(), QStringList({"", "", ""}));
        QVERIFY(!box("Scelta1")->isEnabled() && !box("Scelta2")->isEnabled());
        QVERIFY(!quizControl("Avanti1")->isEnabled());
        closeQuiz();
        // Opened again, the quiz has nothing left to ask either.
        openQuiz("Button33");
        QCOMPARE(screen(), QStringList({"", "", ""}));
        closeQuiz();
    }

    void theAnswerIsWhatTheBoxHolds()
    {
        // TERM1 and TERM10 share their answer; the answers of TERM2 and TERM11 are 70 and 71
        // characters long, TERM3's longer than a line edit takes by default.
        QStringList answers;
        for (int k = 1; k < 20; ++k)
            answers += QStringLiteral("answer %1").arg(k);
        answers[10 - 1] = answers[0] = QStringLiteral("uguale");
        answers[2 - 1] = QString(70, QLatin1Char('s'));
        answers[11 - 1] = QString(71, QLatin1Char('l'));
        answers[3 - 1] = QString(40000, QLatin1Char('x'));
        startQuizProgram(20, answers);
        openQuiz("Button33");
        quizControl<QCheckBox>("Conferma")->click();
        choose("Scelta1");
        draws = {0, 0, 20}; // TERM1's right answer above, its sound, TERM2's right answer below
        clickQuiz("Avanti1");
        // Both boxes hold the right answer: either is right.
        QCOMPARE(screen(), QStringList({"TERM1", "uguale", "uguale"}));
        choose("Scelta2");
        QCOMPARE(colourOf("Scelta2"), QColor(255, 255, 0));
        clickQuiz("Avanti1");
        // A hint only on a text over 70 characters.
        QCOMPARE(question(), QStringLiteral("TERM2"));
        QCOMPARE(box("Scelta1")->toolTip(), QString(71, QLatin1Char('l')));
        QCOMPARE(box("Scelta2")->toolTip(), QString());
        // A typed text is the answer given.
        box("Scelta1")->setFocus();
        box("Scelta1")->selectAll();
        QTest::keyClicks(box("Scelta1"), QString(70, QLatin1Char('s')));
        choose("Scelta1");
        QCOMPARE(counts(), QStringLiteral("3/0"));
        clickQuiz("Avanti1");
        choose("Scelta1");
        QCOMPARE(counts(), QStringLiteral("4/0"));
        clickQuiz("Avanti1");
        box("Scelta1")->setFocus();
        QTest::keyClicks(box("Scelta1"), QStringLiteral("x"));
        QTest::keyClick(box("Scelta1"), Qt::Key_Return);
        QCOMPARE(colourOf("Scelta1"), QColor(255, 104, 0));
        QCOMPARE(counts(), QStringLiteral("4/1"));
        closeQuiz();
    }

    void theEnglishItalianQuizLoadsNothing()
    {
        QStringList english = {"INGLESE-ITALIANO", "-"};
        for (int k = 1; k < 350; ++k)
            english << QStringLiteral("WORD%1").arg(k) << QStringLiteral("parola %1").arg(k);
        writeFile(path("dizionari/inglese_italiano.txt"), english);
        const QString currentDictPath = form()->currentDictPath();
        QStringList asked;
        for (const char *launcher : {"Button34", "Test3"}) {
            // The selector has the focus, and names a dictionary of its list when it loses it.
            selector()->setFocus();
            openQuiz(launcher);
            // As the quiz takes the focus on a desktop.
            QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(selector(), &focusOut);
            QCOMPARE(selector()->currentText(), QStringLiteral("inglese_italiano.txt"));
            QCOMPARE(items(termBox()), QStringList());
            QCOMPARE(form()->currentDictPath(), currentDictPath);
            QCOMPARE(quiz()->windowTitle(), QStringLiteral("TEST - inglese_italiano.txt"));
            while (box("Scelta1")->isEnabled()) {
                asked += question();
                choose("Scelta1");
            }
            closeQuiz();
            QCOMPARE(items(termBox()), QStringList());
            QCOMPARE(form()->currentDictPath(), currentDictPath);
        }
        // Entries 101, 202, 303 (the header pair is entry 1); the set of three asks two, and then nothing is left.
        QCOMPARE(asked, QStringList({"WORD100", "WORD201"}));
        // The current-dictionary quiz now reads the English-Italian file too, with its term list empty.
        openQuiz("Button33");
        QCOMPARE(quiz()->windowTitle(), QStringLiteral("TEST - inglese_italiano.txt"));
        closeQuiz();
    }

    void fileErrorsLeaveNoStaleQuestion()
    {
        openQuiz("Button33");
        closeQuiz();
        QVERIFY(QFile::remove(path("no.bmp")));
        QString message = messageBoxShownBy([&] { openQuiz("Button33"); });
        QVERIFY2(message.contains(path("no.bmp")) && message.contains("No such file or directory"), qPrintable(message));
        QCOMPARE(screen(), QStringList({"", "", ""}));
        QVERIFY(!box("Scelta1")->isEnabled() && !box("Scelta2")->isEnabled());
        closeQuiz();

        QVERIFY(QFile::copy(path("si.bmp"), path("no.bmp")));
        pick(Separator);
        message = messageBoxShownBy([&] { openQuiz("Button33"); });
        QVERIFY2(message.contains(path("dizionari/" + Separator)), qPrintable(message));
        QCOMPARE(screen(), QStringList({"", "", ""}));
        closeQuiz();
        // The main window works on.
        pick("italiano_inglese.txt");
        QCOMPARE(termBox()->count(), 20);
        openQuiz("Button33");
        QVERIFY(answerable());
        closeQuiz();
    }

    // Opened in either language, the window fits a small screen: it takes
    // smaller type rather than reach past the screen's edge, ESCI in sight.
    // Switched while closed, it opens with its own title and a question, and
    // every sound is the program folder's, "no.wav" too.
    void inEitherLanguageTheQuizFitsTheScreenAndPlaysTheProgramsSounds()
    {
        const auto fits = [this] {
            const QWidget *esci = quizControl("Esci");
            return quiz()->width() <= quiz()->screen()->availableGeometry().width() &&
                   esci->mapTo(quiz(), QPoint(esci->width(), 0)).x() <= quiz()->width();
        };
        openQuiz("Button33");
        QVERIFY(fits());
        closeQuiz();
        clickFlag("Image2");
        openQuiz("Button33");
        QVERIFY(fits());
        QCOMPARE(quiz()->windowTitle(), QStringLiteral("TEST - italiano_inglese.txt"));
        QVERIFY(screen()[0].startsWith(QLatin1String("TERM")));
        QVERIFY(answerable());
        QStringList sounds;
        for (const QSoundEffect *sound : quiz()->findChildren<QSoundEffect *>())
            sounds += sound->source().toLocalFile();
        sounds.sort();
        QCOMPARE(sounds, QStringList({path("no.wav"), path("si1.wav"), path("si2.wav"), path("si3.wav"),
                                      path("si4.wav")}));
        closeQuiz();
    }
};

QTEST_MAIN(QuizWindowTest)
#include "QuizWindowTest.moc"
