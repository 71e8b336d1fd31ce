#pragma once

#include "forms/FontRequest.h"

#include <QFont>
#include <QString>

namespace qtwin {

// The family to use for the gothic the window asks for: itself where
// installed, else the proportional IPA gothic, else any Japanese sans-serif
// family, else the toolkit's default (empty). Decided once; needs a running
// application.
QString gothicFamily();

// The nearest font this machine has to the one requested.
QFont fontFor(const forms::FontRequest& request);

} // namespace qtwin
