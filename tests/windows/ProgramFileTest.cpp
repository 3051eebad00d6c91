// tessra.exe as Windows and Explorer read it: a program of the GUI
// subsystem, its icon at every size a desktop shows, the picture the
// windows carry, and the version its Properties show.

#include "windows/AppIcon.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace tessra {
namespace {

class ProgramFile : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryExW(Path().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << GetLastError();
    }
    void TearDown() override { FreeLibrary(module_); }

    static std::wstring Path() { return QString::fromUtf8(TESSRA_EXE).toStdWString(); }
    QByteArray Resource(LPCWSTR type) const {
        const HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(1), type);
        const HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        return loaded ? QByteArray(static_cast<const char*>(LockResource(loaded)),
                                   static_cast<qsizetype>(SizeofResource(module_, found)))
                      : QByteArray();
    }

    HMODULE module_ = nullptr;
};

// Windows opens no console window for it.
TEST_F(ProgramFile, IsAWindowsGuiProgramThatDeclaresPerMonitorScaling) {
    QFile file(QString::fromUtf8(TESSRA_EXE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(4096);
    const auto at = [&](qsizetype offset) {
        return qFromLittleEndian<quint32>(head.constData() + offset);
    };
    const qsizetype pe = at(0x3C);
    ASSERT_EQ(head.mid(pe, 4), QByteArray("PE\0\0", 4));
    // The optional header follows the 24 bytes of signature and file header;
    // the subsystem is its 69th and 70th byte.
    EXPECT_EQ(at(pe + 24 + 68) & 0xFFFF, quint32(IMAGE_SUBSYSTEM_WINDOWS_GUI));
    EXPECT_TRUE(Resource(RT_MANIFEST).contains("PerMonitorV2"));
}

// The icon directory lists every size, and each is the program's own icon.
TEST_F(ProgramFile, CarriesTheProgramsIconAtEverySize) {
    const QByteArray group = Resource(RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6);
    const int count = qFromLittleEndian<quint16>(group.constData() + 4);
    ASSERT_EQ(group.size(), 6 + 14 * count);
    QList<int> sizes;
    for (int k = 0; k < count; ++k) {
        const int side = quint8(group[6 + 14 * k]);
        sizes << (side == 0 ? 256 : side);
    }
    EXPECT_EQ(sizes, (QList<int>{16, 20, 24, 32, 40, 48, 64, 96, 128, 256}));
    for (const int size : {16, 32, 256}) {
        const auto icon = static_cast<HICON>(
            LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        const QImage shown = QImage::fromHICON(icon).convertToFormat(QImage::Format_ARGB32);
        DestroyIcon(icon);
        const QImage drawn = DrawAppIcon(size).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), drawn.size());
        // Alike to the rounding of Windows' alpha blending.
        int worst = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb a = shown.pixel(x, y);
                const QRgb b = drawn.pixel(x, y);
                for (const int shift : {0, 8, 16, 24}) {
                    worst = std::max(worst,
                                     std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
                }
            }
        }
        EXPECT_LE(worst, 2) << size;
    }
}

TEST_F(ProgramFile, ShowsItsNameVersionAndCopyrightInProperties) {
    DWORD ignored = 0;
    QByteArray info(static_cast<qsizetype>(GetFileVersionInfoSizeW(Path().c_str(), &ignored)), 0);
    ASSERT_FALSE(info.isEmpty());
    ASSERT_TRUE(GetFileVersionInfoW(Path().c_str(), 0, DWORD(info.size()), info.data()));
    const auto value = [&](const wchar_t* name) {
        void* text = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(LR"(\StringFileInfo\040904B0\)") + name;
        return VerQueryValueW(info.data(), key.c_str(), &text, &length) && length > 0
                   ? QString::fromWCharArray(static_cast<const wchar_t*>(text)).trimmed()
                   : QString();
    };
    EXPECT_EQ(value(L"ProductName"), "Tessra");
    EXPECT_EQ(value(L"ProductVersion"), TESSRA_VERSION);
    EXPECT_EQ(value(L"FileVersion"), TESSRA_VERSION);
    EXPECT_EQ(value(L"OriginalFilename"), "tessra.exe");
    EXPECT_TRUE(value(L"LegalCopyright").contains("the Tessra developers"));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const QString numbers = QStringLiteral("%1.%2")
                                .arg(HIWORD(fixed->dwProductVersionMS))
                                .arg(LOWORD(fixed->dwProductVersionMS));
    EXPECT_EQ(numbers, TESSRA_VERSION);
}

} // namespace
} // namespace tessra
