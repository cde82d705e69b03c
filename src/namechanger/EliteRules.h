// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <span>

namespace parlomatic {

// One substitution: a lower-case letter and the one to three characters that
// stand for it in an elite name.
struct EliteRule {
    QChar letter;
    QStringView replacement;
};

// An ordered list of rules; no letter occurs twice.
using EliteRuleTable = std::span<const EliteRule>;

// The first elite form: 16 rules (a b c e f i m o n s t r u v x y).
extern const EliteRuleTable EliteRules1;
// The second elite form: 11 rules (a b c e i m o n s u y).
extern const EliteRuleTable EliteRules2;

// The elite form of text under rules. Each UTF-16 unit of text is lower-cased
// on its own (so "A" is rewritten like "a", and a capital without a rule comes
// out in lower case), then replaced by the replacement of the rule for it, or
// copied when no rule has it. Replacements are never examined again, so at most
// one rule applies to each character. Never fails; the empty text gives the
// empty text.
QString ApplyEliteRules(QStringView text, EliteRuleTable rules);

} // namespace parlomatic
