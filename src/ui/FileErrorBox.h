#pragma once

#include "ui/Language.h"

class QWidget;

namespace zelvora {
class FileError;
}

// The standard error box of every window for a file that could not be opened,
// read or written: it names the file and the system's reason.
void showFileError(QWidget *parent, const zelvora::FileError &error, Language language);
