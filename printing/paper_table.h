#pragma once
// The standard paper table: platform paper codes 1..41 with their names and sizes, and the page
// size each is in Qt's terms.
#include <QPageSize>

namespace tv {

struct StandardPaper {
    int code;                 // 1..41
    const char* name;         // UTF-8
    int width, length;        // tenths of a millimetre
    QPageSize::PageSizeId qt; // the same paper in Qt's list
};

/// The entry of a paper code, nullptr outside 1..41.
const StandardPaper* standardPaper(int code);
/// The code of a Qt page size, 0 when the table does not hold it.
int standardPaperCode(QPageSize::PageSizeId id);

/// Codes that the real printer service gives to papers outside the table start here.
inline constexpr int kFirstOwnPaperCode = 256;

} // namespace tv
