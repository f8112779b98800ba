#pragma once

#include <QPixmap>

// The two language flags, drawn at the given size.
QPixmap italianFlag(QSize size);
QPixmap unitedKingdomFlag(QSize size);
