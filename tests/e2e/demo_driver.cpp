// Shows the program at work without a person: starts it, dismisses the welcome notice, types a
// group number, presses Enter, prints what the result box shows and saves a screenshot.
// Usage: qqdemo <program.exe> <group number> <screenshot.bmp>
#include <cstdio>
#include <string>

#include "tests/e2e/driver.h"

namespace
{
bool SaveScreenBitmap(const wchar_t* path)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    std::string pixels(static_cast<size_t>(stride) * height, '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = _wfopen(path, L"wb");
    if (!out)
        return false;
    const bool ok = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(&info, sizeof(info), 1, out) == 1 &&
                    fwrite(pixels.data(), pixels.size(), 1, out) == 1;
    return fclose(out) == 0 && ok;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: qqdemo <program.exe> <group number> <screenshot.bmp>\n");
        return 2;
    }
    e2e::Program program(argv[1]);
    HWND window = program.Started() ? program.StartToMainWindow() : nullptr;
    if (!window)
    {
        std::fprintf(stderr, "qqdemo: the program did not show its window\n");
        return 1;
    }
    e2e::BringToFront(window);
    SetFocus(nullptr);
    e2e::TypeText(argv[2]);
    e2e::PressKey(VK_RETURN);
    HWND result = program.Control(120);
    e2e::WaitUntil([&] { return !e2e::WindowText(result).empty(); });
    e2e::Sync(window);
    const std::wstring link = e2e::WindowText(result);
    std::printf("%ls\n", link.c_str());
    const bool saved = SaveScreenBitmap(argv[3]);
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    program.WaitForExit(exitCode);
    return saved && !link.empty() && exitCode == 0 ? 0 : 1;
}
