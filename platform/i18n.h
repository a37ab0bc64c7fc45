// The program's languages. The texts in the sources are the Japanese ones;
// English comes from a compiled translation built into the program.
#pragma once
#include <string>

// Marks a text for translation where it is defined (tables of menu items and
// dialog controls); Tr translates it where it is shown. The translation tools
// read these two names.
#define TrNoop(context, text) text

namespace platform {

enum class Language { Japanese, English };

// Installs the translation for the language, or removes it for Japanese, in
// which case every text is the source text unchanged.
void SetLanguage(Language language);
Language CurrentLanguage();

// The text in the current language; the text itself when there is none.
std::string Tr(const char* context, const char* text);
inline std::string Tr(const char* context, const std::string& text) {
    return Tr(context, text.c_str());
}

// The text with its "%1" replaced by the value: numbers in a translated
// phrase, such as "%1 mon", keep their place in either language.
std::string WithArg(const std::string& text, const std::string& value);

}  // namespace platform
