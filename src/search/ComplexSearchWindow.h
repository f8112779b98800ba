#pragma once

#include "dictionary/Dictionary.h"
#include "ui/Captions.h"

#include <QDialog>

#include <cstddef>
#include <string>
#include <vector>

class CaptionComponent;
class LongDropDownList;
class MainWindowState;
class QComboBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class UpperCaseEdit;

namespace zelvora {
class FileError;
enum class SearchField;
} // namespace zelvora

// What sets one complex-search window apart from the other.
struct ComplexSearchSetup {
    const char *name;             // the window's objectName
    const char *captionComponent; // the objectName of its caption component
    // Its texts; the list "ComboBox1.Items" names the fields: the terms, the
    // definitions and both, in this order.
    const CaptionTable &captions;
    // The file of the dictionary folder it searches. When null, it searches the
    // main window's current dictionary, whose name it shows in its title after
    // `titleBeforeFileName` at every showing, taking the main term box's text
    // as its search text.
    const char *fileName;
    const CaptionRow *titleBeforeFileName;
};

// A window that searches a dictionary for a text inside its terms, inside its
// definitions or inside both, lists the matching terms and shows the
// definition of the one picked. Created once, it is shown modally and
// maximised on demand and keeps its field, results and definition between
// showings.
class ComplexSearchWindow : public QDialog {
    Q_OBJECT
public:
    // appFolder is the program folder, ending with "/".
    ComplexSearchWindow(const ComplexSearchSetup &setup, const QString &appFolder, const MainWindowState &mainWindow,
                        QWidget *parent = nullptr);

    // Shows the window over the main window, which takes no input until it is
    // closed, with the field list dropped down and the search text focused.
    // When the dictionary cannot be read it says so and stays closed.
    void FormShow();
    void Button1Click();
    void ComboBox2Change(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void layOutControls();
    QString searchedFileName() const;
    std::string searchedPath() const;
    zelvora::SearchField chosenField() const;
    void startGauge();
    void setGauge(std::size_t entries);
    zelvora::EntryProgress gaugeProgress();
    void showFileError(QWidget *parent, const zelvora::FileError &error);

    const ComplexSearchSetup &setup_;
    const QString appFolder_;
    const MainWindowState &mainWindow_;
    // Its texts in either language; renaming the fields leaves the chosen one.
    CaptionComponent *captions_ = nullptr;
    std::size_t entryCount_ = 0;
    std::vector<std::string> results_;

    UpperCaseEdit *Edit1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QProgressBar *Gauge1 = nullptr;
    LongDropDownList *ComboBox2 = nullptr;
    QPlainTextEdit *RxRichEdit1 = nullptr;
};
