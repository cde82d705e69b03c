// SPDX-License-Identifier: GPL-3.0-or-later
#include "namechanger/EliteRules.h"

#include <algorithm>

namespace parlomatic {

namespace {

// Non-ASCII replacements are written as code points; beside each rule are the
// replacement as the player sees it and the Windows-1252 bytes it becomes in
// the profile.
constexpr EliteRule rules1[] = {
    {u'a', u"@"},            // @, 40
    {u'b', u"\u00FE"},       // þ, FE
    {u'c', u"\u00A9"},       // ©, A9
    {u'e', u"\u00EA"},       // ê, EA
    {u'f', u"\u0192"},       // ƒ, 83
    {u'i', u"\u00CE"},       // Î, CE
    {u'm', u"/v\\"},         // /v\, 2F 76 5C
    {u'o', u"\u00D8"},       // Ø, D8
    {u'n', u"N"},            // N, 4E
    {u's', u"\u00A7"},       // §, A7
    {u't', u"T"},            // T, 54
    {u'r', u"\u00AE"},       // ®, AE
    {u'u', u"\u00DC"},       // Ü, DC
    {u'v', u"\\/"},          // \/, 5C 2F
    {u'x', u"\u00BB\u00AB"}, // »«, BB AB
    {u'y', u"\u0178"},       // Ÿ, 9F
};

constexpr EliteRule rules2[] = {
    {u'a', u"\u00C5"}, // Å, C5
    {u'b', u"\u00DF"}, // ß, DF
    {u'c', u"\u00A2"}, // ¢, A2
    {u'e', u"\u00CA"}, // Ê, CA
    {u'i', u"\u00EF"}, // ï, EF
    {u'm', u"M"},      // M, 4D
    {u'o', u"\u00F5"}, // õ, F5
    {u'n', u"\u00F1"}, // ñ, F1
    {u's', u"$"},      // $, 24
    {u'u', u"\u00FB"}, // û, FB
    {u'y', u"\u00FD"}, // ý, FD
};

} // namespace

constinit const EliteRuleTable EliteRules1{rules1};
constinit const EliteRuleTable EliteRules2{rules2};

QString ApplyEliteRules(QStringView text, EliteRuleTable rules) {
    QString result;
    result.reserve(text.size());
    for (const QChar character : text) {
        const QChar lower = character.toLower();
        const auto rule =
            std::find_if(rules.begin(), rules.end(), [lower](const EliteRule& r) { return r.letter == lower; });
        if (rule != rules.end())
            result += rule->replacement;
        else
            result += lower;
    }
    return result;
}

} // namespace parlomatic
