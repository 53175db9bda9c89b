// The pictures and fonts built into the program: the structure bitmaps by id, the table
// picture, the program icon and the embedded Japanese font.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace tavimor {

inline constexpr int kFirstStructurePicture = 1;
inline constexpr int kLastStructurePicture = 20;

// The structure picture with resource id `id` (1 to 20); a null pixmap for any other id.
QPixmap LoadResPicture(int id);
// The raw bytes of a structure picture, as stored: an 8-bit device-independent bitmap.
QByteArray StructurePictureData(int id);
// The picture of the table window.
QPixmap TablePicture();
// The icon of the program and of both windows.
QIcon ProgramIcon();

// Reads an uncompressed device-independent bitmap without file header (1, 4 or 8 bits per pixel,
// with palette); a null image when the data is not one.
QImage DecodeDib(const QByteArray &data);

// The family of the embedded font.
inline constexpr const char *kEmbeddedFontFamily = "Tavimor Sans JP";
// Registers the embedded fonts (regular and bold) and lets them stand in for the designed
// "ＭＳ Ｐゴシック" where the system has no font of that name. Returns false when the embedded
// fonts could not be registered.
bool InstallProgramFonts();

}  // namespace tavimor
