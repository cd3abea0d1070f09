#pragma once
// Results as the windows hold them: ten count texts, in fruit order.

#include "results/scores.h"

#include <QLabel>
#include <QStringList>
#include <array>
#include <initializer_list>

namespace harvesta::checks {

// A game's yield labels: the given counts from apple on, the rest 0.
inline std::array<QString, 10> counts(std::initializer_list<int> values) {
    std::array<QString, 10> texts;
    texts.fill("0");
    int i = 0;
    for (int v : values)
        texts[i++] = QString::number(v);
    return texts;
}

// The best scores window's count labels, joined by commas.
inline QString labels(const TfrmScores& scores) {
    QStringList texts;
    for (int k = 1; k <= 10; ++k)
        texts << scores.Label(k)->text();
    return texts.join(',');
}

} // namespace harvesta::checks
