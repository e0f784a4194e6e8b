#pragma once
// A choice box's items in another language: the chosen entry stays chosen, and no change of
// choice is signalled for the refill.
#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

inline void retranslateItems(QComboBox* box, const QStringList& items) {
    const QSignalBlocker block(box);
    const int index = std::max(0, box->currentIndex());
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(index);
}
