#pragma once

#include <QFont>

#include "app/controls.h"

namespace platform {

// Registers the installed faces with kana and kanji (IPA P Gothic first) as
// substitutes of the window's Gothic face (app::kGothicFace) with Qt, so that
// Japanese text never falls back to a face without kana. Call once after the
// application object exists.
void InstallFontSubstitutes();

// Makes the window's default font the application's, so that widgets never
// load the toolkit's own face and its fallbacks first. Call after
// InstallFontSubstitutes and before any widget exists.
void InstallApplicationFont();

// The window's default font (app::kWindowFontPoints Gothic): buttons and the
// chart's text.
QFont WindowDefaultFont();

// Given: a control's font (an empty face means the window's default font) and
// the scale the form is shown at. Returned: the Qt font, sized in whole pixels
// so that it fits the twips layout at that scale.
QFont ControlFont(const app::Font& font, double scale = 1);

}  // namespace platform
