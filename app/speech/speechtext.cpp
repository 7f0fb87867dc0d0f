// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vocalyne developers
#include "speechtext.h"

#include <algorithm>
#include <numeric>

void SpeechText::reindex()
{
    const int n = int(insertionMap.size());
    // The builder's insertionMap is in ascending order unless a loaded
    // document lists its records out of order; a sum over "spokenPos <= x"
    // does not depend on order, so sorting a copy keeps the answer exact.
    QList<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    const bool sorted = std::is_sorted(insertionMap.cbegin(), insertionMap.cend(),
                                       [](const auto &a, const auto &b) {
                                           return a.first < b.first;
                                       });
    if (!sorted)
        std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
            return insertionMap.at(a).first < insertionMap.at(b).first;
        });

    insertionPositions.resize(n);
    insertionSums.resize(n);
    qint64 sum = 0;
    for (int i = 0; i < n; ++i) {
        const auto &entry = insertionMap.at(order.at(i));
        sum += entry.second;
        insertionPositions[i] = entry.first;
        insertionSums[i] = sum;
    }
    rangeMapOrdered = std::is_sorted(rangeMap.cbegin(), rangeMap.cend(),
                                     [](const auto &a, const auto &b) {
                                         return a.first < b.first;
                                     });
}
