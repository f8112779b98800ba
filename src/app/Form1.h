#pragma once

#include "app/ActiveListOwner.h"
#include "dictionary/Dictionary.h"
#include "search/DictionarySearches.h"
#include "search/WordGames.h"
#include "translate/LookupSession.h"
#include "translate/TextOperations.h"
#include "ui/Language.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>
#include <vector>

class BaseFormSwitch;
class ProgressBar;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QTabWidget;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class EditableComboBox;
class StatusNotes;
class TermListModel;

namespace zelvora {
class FileError;
}

// The main window: the dictionary selector, the term box, the panes, the
// status bar and the state that every operation shares.
class Form1 : public QMainWindow, public ActiveListOwner {
    Q_OBJECT
public:
    // appFolder is the program folder, ending with "/".
    explicit Form1(const QString &appFolder, QWidget *parent = nullptr);

    const QString &currentDictPath() const { return CurrentDictPath; }
    Language language() const override;

    // The exclusions: the active list and its reload (Form1Exclusions.cpp).
    QString appFolder() const override { return AppFolder; }
    void setActiveList(const QStringList &lines) override;
    bool Button17Click() override;
    // The texts of the dictionary selector and of the term box, and the number of items in the term list.
    QString selectorText() const;
    QString termBoxText() const;
    int termCount() const;
    // The selector's entries that are not separator lines.
    qsizetype dictionaryCount() const;
    // Names a dictionary in the selector and empties the term list, without loading anything.
    void nameDictionaryWithoutLoading(const QString &name);

    // Reloads the term list from the dictionary the selector names.
    void ComboBox1Change();

    // Translation of the term box's term, of the whole input text, and the
    // dictionary and word list of the input text.
    void Button1Click();
    void Button8Click();
    void Button18Click();
    void Button19Click();

    // The searches: whole word in all or in the Italian dictionaries, substring
    // in the current or in all dictionaries, anagrams, rhymes, palindromes, and
    // words from letters given by position (the panel opened for the current
    // or for the English-Italian dictionary).
    void Button6Click();
    void Button13Click();
    void Button23Click();
    void Button25Click();
    void Button2Click();
    void Button7Click();
    void Button35Click();
    void Button31Click();
    void Button32Click();
    void Panel49Click();
    void Panel11Click();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectControls();
    void layOutControls();
    void createMenus();
    void createContextMenus();
    void createSearchTabs(QWidget *parent);
    void createLettersPanel(QWidget *parent);
    void FormCreate();
    void letShortcutsReachTheMenu();
    bool loadCatalogue();
    bool loadTermList(zelvora::TermRepeats repeats, const zelvora::EntryProgress &progress = {});

    void ComboBox2Change();
    void ComboBox2DblClick();
    void runTextOperation(zelvora::TextOperation operation);
    void appendEmptyInputLine();
    zelvora::LookupState lookupState() const;
    void showLookupState(const zelvora::LookupState &state);
    void showResults(const std::vector<std::string> &lines, bool replacingPane);

    void searchWholeWord(const QComboBox *list);
    bool runDictionarySearch(std::size_t progressMaximum, const QString &title,
                             std::initializer_list<QPushButton *> buttons,
                             const std::function<void(zelvora::SearchRun &)> &search);
    std::vector<zelvora::ListedDictionary> listedDictionaries(const QComboBox *list) const;
    void showWordWalk(const std::function<zelvora::WordWalk()> &walk, std::size_t headerLines = 0);
    void openLettersPanel(bool englishItalian, const QString &fileName);
    void reloadKeepingTermBox();

    void Button4Click();

    void setTermList(const std::vector<std::string> &terms);
    void showFirstTerm();
    void focusTermBox();
    void writeStatusLine();
    void showFileError(const zelvora::FileError &error);

    QString dictionaryPath(const QString &fileName) const;

    // Shared state.
    QString AppFolder;
    QString CatalogFileName;
    QString CurrentDictPath;
    bool shownOnce = false;

    // Controls.
    EditableComboBox *ComboBox1 = nullptr;
    ProgressBar *ProgressBar1 = nullptr;
    EditableComboBox *ComboBox2 = nullptr;
    TermListModel *termList = nullptr;
    QPushButton *Button1 = nullptr;
    QPlainTextEdit *RxRichEdit2 = nullptr;
    QPlainTextEdit *RxRichEdit1 = nullptr;
    QPushButton *Button8 = nullptr;
    QPushButton *Button18 = nullptr;
    QPushButton *Button19 = nullptr;
    QPushButton *Button4 = nullptr;
    QPushButton *Button29 = nullptr;
    QToolButton *Image1 = nullptr;
    QToolButton *Image2 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLabel *GradButton4 = nullptr;
    QLabel *Panel2 = nullptr;
    QLabel *GradButton1 = nullptr;
    QLabel *GradButton2 = nullptr;
    QLabel *GradButton3 = nullptr;
    QLabel *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *ComboBox4 = nullptr;
    QComboBox *ComboBox5 = nullptr;
    QComboBox *ComboBox6 = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QPushButton *Button6 = nullptr;
    QPushButton *Button13 = nullptr;
    QPushButton *Button25 = nullptr;
    QPushButton *Button23 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button7 = nullptr;
    QPushButton *Button35 = nullptr;
    QPushButton *Button31 = nullptr;
    QPushButton *Button32 = nullptr;
    QPushButton *Button33 = nullptr;
    QPushButton *Button34 = nullptr;
    QPushButton *Button27 = nullptr;
    QPushButton *Button28 = nullptr;
    QFrame *Panel64 = nullptr;
    QPushButton *Panel12 = nullptr;
    QPushButton *Panel13 = nullptr;
    QPushButton *Panel14 = nullptr;
    std::array<QLineEdit *, zelvora::LetterPositions> letterBoxes{};
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    StatusNotes *notes = nullptr;
    BaseFormSwitch *baseForms = nullptr;
};
