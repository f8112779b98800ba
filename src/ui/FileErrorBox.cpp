#include "ui/FileErrorBox.h"

#include "app/ScreenText.h"
#include "dictionary/FileError.h"
#include "ui/Captions.h"
#include "ui/DialogCaptions.h"
#include "ui/Form1Captions.h"

#include <QMessageBox>

namespace {

// A name longer than any path the system opens is shown by its two ends: a
// box cannot lay out a name of megabytes, which a catalogue line can make.
constexpr qsizetype LongestShownPath = 4096;

QString shownPath(const std::string &path)
{
    const QString name = fromLocalPath(path);
    if (name.size() <= LongestShownPath)
        return name;
    const qsizetype end = LongestShownPath / 2;
    return name.left(end) + QStringLiteral("\u2026") + name.right(end);
}

} // namespace

void showFileError(QWidget *parent, const zelvora::FileError &error, Language language)
{
    const bool writing = error.action() == zelvora::FileError::Action::Write;
    const QString text = captionOf(form1Messages(), writing ? "CannotWrite" : "CannotRead", language);
    QMessageBox box(QMessageBox::Critical, QString(),
                    text.arg(shownPath(error.path()), QString::fromLocal8Bit(error.reason().c_str())),
                    QMessageBox::Ok, parent);
    applyDialogCaptions(box, language);
    box.exec();
}
