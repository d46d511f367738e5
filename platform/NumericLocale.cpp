#include "platform/NumericLocale.h"

#include <clocale>
#include <cstring>

void UseCNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }

bool NumericLocaleIsC() {
    const std::lconv* conventions = std::localeconv();
    return conventions && std::strcmp(conventions->decimal_point, ".") == 0 &&
           (!conventions->thousands_sep || conventions->thousands_sep[0] == '\0');
}
