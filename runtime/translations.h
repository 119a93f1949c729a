// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTranslator>

namespace runtime {

// The program's texts and Qt's own (such as the prompt's buttons) in the
// user's language, for as long as this lives. Where no translation matches
// the locale, as in English or the C locale, the texts stay as written.
// Needs an application object.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    QTranslator m_qt;
    QTranslator m_program;
};

} // namespace runtime
