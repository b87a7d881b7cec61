// The user's decimal separator, set as in the control panel for as long as it lives.
#pragma once

#include <windows.h>

namespace win32_test {

class DecimalSeparator {
  public:
    explicit DecimalSeparator(const wchar_t* separator) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_, 8);
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator);
    }
    ~DecimalSeparator() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved_); }
    DecimalSeparator(const DecimalSeparator&) = delete;
    DecimalSeparator& operator=(const DecimalSeparator&) = delete;

  private:
    wchar_t saved_[8]{};
};

}  // namespace win32_test
