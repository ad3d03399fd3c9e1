#pragma once

namespace tavolix::testing {

// Sets the process's C locale to Italian, whose decimal mark is ",". Where the
// system has no such locale it is compiled with localedef into a temporary
// directory. Returns false when neither works.
bool use_comma_locale();

}  // namespace tavolix::testing
