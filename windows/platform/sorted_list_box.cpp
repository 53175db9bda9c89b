// SPDX-License-Identifier: GPL-3.0-or-later
// Platform layer (windows/platform/): see sorted_list_box.h.
#include "sorted_list_box.h"

#include <QPainter>
#include <algorithm>

namespace tavimor {

SortedListBox::SortedListBox(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void SortedListBox::Clear()
{
    m_items.clear();
    update();
}

namespace {

bool IsLatin(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Whether `a` goes before `b`. Texts in Latin letters are in alphabetical order in every locale
// (the collations of some, Lithuanian and Estonian among them, put Y after I or Z after S), and
// before all others; the others are in the order of the locale's collation.
bool Precedes(const QString &a, const QString &b)
{
    const bool latinA = IsLatin(a);
    const bool latinB = IsLatin(b);
    if (latinA != latinB) {
        return latinA;
    }
    if (latinA) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    }
    return a.localeAwareCompare(b) < 0;
}

}  // namespace

void SortedListBox::AddItem(const QString &text)
{
    const auto place = std::lower_bound(m_items.begin(), m_items.end(), text, Precedes);
    m_items.insert(place, text);
    update();
}

void SortedListBox::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const int line = fontMetrics().height();
    QRect row(2, 1, width() - 4, line);
    for (const QString &item : m_items) {
        if (row.top() >= height()) {
            break;
        }
        painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, item);
        row.translate(0, line);
    }
}

}  // namespace tavimor
