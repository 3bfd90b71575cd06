// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

#include "engine/boxes.h"
#include "practice/exercise.h"
#include "report/phrasebook.h"

namespace octaval {

/// Installs the translation of the windows into the user's language (QLocale(), the system's
/// unless a default was set), built into the program; English, the language of the sources, needs
/// none and is what shows for any language without one. Call once the application exists and
/// before the first window is made.
void installTranslation();

/// What the window shows for a text that the engine writes into a box: the status messages and the
/// result lines in the user's language, every other text as it is.
QString shownText(Box box, std::string_view text);

/// The Practice window's texts from the exercises: a question's prompt, a level's description,
/// and a mark ("right", "wrong, expected 192.168.1.64"), in the user's language.
QString shownPrompt(Question q);
QString shownLevel(PracticeLevel level);
QString shownMark(Question q, const Mark& mark);

/// A row caption of the main window (report/rows.h) in the user's language.
QString shownCaption(std::string_view caption);

/// The words of report/'s texts in the user's language (the working of a press, its bit rows):
/// its phrases from the translation under their context, the engine's texts as shownText shows
/// them and the captions as shownCaption does, in UTF-8.
const Phrasebook& windowPhrasebook();

}  // namespace octaval
