#include "comma_locale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace tavolix::testing {

bool use_comma_locale() {
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr) {
        return true;
    }
    const auto dir = std::filesystem::temp_directory_path() / "tavolix-test-locales";
    if (!std::filesystem::exists(dir / "it_IT.UTF-8")) {
        std::filesystem::create_directories(dir);
        const std::string command =
            "localedef -i it_IT -f UTF-8 '" + (dir / "it_IT.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir / "it_IT.UTF-8")) {
            return false;
        }
    }
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;
}

}  // namespace tavolix::testing
