// The executable's own resources, read from the built file as data: the icon group, the
// application manifest and the version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/driver.h"

namespace
{
class Resources : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_path = e2e::BesideTests(L"qqgrouplink.exe");
        m_module = LoadLibraryExW(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m_module, nullptr) << "cannot open the program as data";
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
    }

    // The raw bytes of one resource, or an empty string.
    std::string Resource(const wchar_t* type, const wchar_t* name) const
    {
        HRSRC found = FindResourceW(m_module, name, type);
        if (!found)
            return {};
        HGLOBAL loaded = LoadResource(m_module, found);
        const auto* bytes = static_cast<const char*>(LockResource(loaded));
        return bytes ? std::string(bytes, SizeofResource(m_module, found)) : std::string();
    }

    std::wstring m_path;
    HMODULE m_module = nullptr;
};

#pragma pack(push, 2)
struct IconGroupHeader
{
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry
{
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitsPerPixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(Resources, DefaultIconIsOneThirtyTwoPixelImageOfThirtyTwoBits)
{
    const std::string group = Resource(MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, L"DEFAULT_ICON");
    ASSERT_GE(group.size(), sizeof(IconGroupHeader) + sizeof(IconGroupEntry));
    const auto* header = reinterpret_cast<const IconGroupHeader*>(group.data());
    EXPECT_EQ(header->type, 1);
    ASSERT_EQ(header->count, 1);
    const auto* entry = reinterpret_cast<const IconGroupEntry*>(group.data() + sizeof(IconGroupHeader));
    EXPECT_EQ(entry->width, 32);
    EXPECT_EQ(entry->height, 32);
    EXPECT_EQ(entry->bitsPerPixel, 32);
    EXPECT_FALSE(Resource(MAKEINTRESOURCEW(3) /* RT_ICON */, MAKEINTRESOURCEW(entry->id)).empty());
}

TEST_F(Resources, ManifestAsksForCommonControlsSixAndNothingElse)
{
    const std::string manifest = Resource(MAKEINTRESOURCEW(24) /* RT_MANIFEST */, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    const std::string architecture = sizeof(void*) == 4 ? "x86" : "amd64";
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("processorArchitecture=\"" + architecture + "\" publicKeyToken"), std::string::npos);
    EXPECT_NE(manifest.find("language=\"*\""), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos);
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
}

std::wstring VersionString(const std::string& block, const wchar_t* name)
{
    const std::wstring query = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || !value)
        return L"<missing>";
    return std::wstring(static_cast<const wchar_t*>(value));
}

TEST_F(Resources, VersionIsOneZeroZeroZeroOfVantorelInChinese)
{
    const DWORD size = GetFileVersionInfoSizeW(m_path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(m_path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    void* translationValue = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translationValue, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(translationValue);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    EXPECT_EQ(VersionString(block, L"ProductName"), L"Vantorel");
    EXPECT_EQ(VersionString(block, L"FileVersion"), L"1.0.0.0");
    EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1.0.0.0");
    // The maker's web address fills the other four strings.
    for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"LegalCopyright", L"Comments"})
    {
        const std::wstring value = VersionString(block, name);
        EXPECT_EQ(value.rfind(L"https://", 0), 0u) << name << ": " << std::string(value.begin(), value.end());
    }
}
} // namespace
