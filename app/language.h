// The language the program speaks: Japanese, English, or the one the
// desktop's locale asks for (languageChoice 0).
#pragma once
#include "platform/i18n.h"

// The language of a locale given by the four variables the C library reads
// (a null or empty one is unset). The plain C/POSIX locale, like no locale at
// all, is Japanese; then the first entry of LANGUAGE decides, else the first
// set of LC_ALL, LC_MESSAGES, LANG: Japanese for ja*, English for any other.
platform::Language LocaleLanguage(const char* language, const char* lcAll, const char* lcMessages,
                                  const char* lang);
// The language that languageChoice stands for, with this process's locale.
platform::Language ChosenLanguage();

// Puts languageChoice into effect: the texts, the menu and its check marks.
void ApplyLanguage();
// The menu's language command: choice 0 automatic, 1 Japanese, 2 English.
// Takes effect at once, also during a game, whose table is drawn again.
void ChooseLanguage(int choice);
