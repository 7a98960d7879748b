#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translation catalogue where it is defined; it is translated
// where it is shown, with Tr() under the same context. The extractor knows this name.
#define MERVANE_TR_NOOP(context, text) text

namespace mervane {

// Looks `source` up under `context` in the user's language; the catalogue answers
// `source` itself for a text it lacks.
using Translator = std::function<std::string(std::string_view context, std::string_view source)>;

// The user's language is one per process, so the catalogue is too; an empty
// translator (the default) leaves every text in English.
void SetTranslator(Translator translator);

// `source` in the user's language. Call it with literals where the text is written,
// so the extractor finds them; texts marked with MERVANE_TR_NOOP may be passed as values.
std::string Tr(std::string_view context, std::string_view source);

// `pattern` with %1 .. %9 replaced by `args` in one pass, so an argument that itself
// holds "%2" stays as it is. A number with no argument stays in the text.
std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace mervane
