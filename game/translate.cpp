#include "game/translate.h"

#include <utility>
#include <vector>

namespace mervane {

namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

}  // namespace

void SetTranslator(Translator translator) {
    Installed() = std::move(translator);
}

std::string Tr(std::string_view context, std::string_view source) {
    const Translator& translator = Installed();
    return translator ? translator(context, source) : std::string(source);
}

std::string Arg(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace mervane
