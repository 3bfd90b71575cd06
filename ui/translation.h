// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/phrasebook.h"

namespace octaval {

/// Installs the translations into the user's language (QLocale(), the system's unless a default
/// was set): the windows' own, built into the program, and Qt's for its own texts (the boxes'
/// context menus, the file dialog, the names of keys), from Qt's translations or, where the
/// program carries them (Windows), from its resources. English, the language of the sources,
/// needs none and is what shows for any language without one. Call once the application exists
/// and before the first window is made. Numbers are then grouped as that language writes them
/// (QLocale's default).
void installTranslations();

/// The texts that report/ and the engine write, in the user's language: phrases looked up in the
/// installed translation under their context.
const Phrasebook& windowPhrasebook();

}  // namespace octaval
