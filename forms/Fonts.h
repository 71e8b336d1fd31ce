#pragma once

#include <QFont>
#include <QString>

namespace forms {

// The family the window asks for by name.
inline const QString kGothicFamily = QStringLiteral("ＭＳ Ｐゴシック");

// The family to use for kGothicFamily: itself where installed, else the
// proportional IPA gothic, else any Japanese sans-serif family, else the
// toolkit's default (empty). Decided once; needs a running application.
QString gothicFamily();

// A gothic font of the given pixel size and weight.
QFont gothicFont(int pixelSize, int weight);

} // namespace forms
