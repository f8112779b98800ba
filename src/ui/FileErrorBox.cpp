#include "ui/FileErrorBox.h"

#include "app/ScreenText.h"
#include "dictionary/FileError.h"
#include "ui/Captions.h"
#include "ui/DialogCaptions.h"
#include "ui/Form1Captions.h"

#include <QMessageBox>

void showFileError(QWidget *parent, const zelvora::FileError &error, Language language)
{
    const bool writing = error.action() == zelvora::FileError::Action::Write;
    const QString text = captionOf(form1Messages(), writing ? "CannotWrite" : "CannotRead", language);
    QMessageBox box(QMessageBox::Critical, QString(),
                    text.arg(fromLocalPath(error.path()), QString::fromLocal8Bit(error.reason().c_str())),
                    QMessageBox::Ok, parent);
    applyDialogCaptions(box, language);
    box.exec();
}
