#include "platform/private_profile.h"

#include <cerrno>
#include <new>

#include "platform/code_page.h"

namespace zemlo {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

}  // namespace

std::u16string PrivateProfile::ValueIn(std::string_view bytes, std::u16string_view section,
                                       std::u16string_view key) {
    return ProfileIndex(std::string(bytes)).Value(section, key, kMaxValueLength);
}

std::u16string_view PrivateProfile::OneLine(std::u16string_view value) {
    return value.substr(0, value.find_first_of(std::u16string_view(u"\r\n\0", 3)));
}

bool PrivateProfile::CanName(std::u16string_view name, bool section) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back())) return false;
    if (name.find_first_of(std::u16string_view(u"\r\n\0", 3)) != std::u16string_view::npos) {
        return false;
    }
    if (section ? name.find(u']') != std::u16string_view::npos
                : name.find(u'=') != std::u16string_view::npos || name.front() == u'[' ||
                      name.front() == u';') {
        return false;
    }
    return DecodeCp932(EncodeCp932(name)) == name;
}

std::string PrivateProfile::WithValue(std::string_view bytes, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value) {
    return WithValue(ProfileIndex(std::string(bytes)), section, key, value);
}

std::string PrivateProfile::WithValue(const ProfileIndex& file, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value) {
    if (!CanName(section, true) || !CanName(key, false)) return file.Bytes();
    return file.WithLine(section, key,
                         EncodeCp932(std::u16string(key) + u"=" + std::u16string(OneLine(value))));
}

std::u16string PrivateProfile::Read(const std::filesystem::path& file, std::u16string_view section,
                                    std::u16string_view key) {
    FileContents contents = ReadFileBytes(file, kMaxFileBytes);
    if (!contents.status) return {};
    try {
        return ProfileIndex(std::move(contents.bytes)).Value(section, key, kMaxValueLength);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

FileStatus PrivateProfile::Write(const std::filesystem::path& file, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view value) {
    if (!CanName(section, true) || !CanName(key, false)) return FileStatus{EINVAL};
    FileContents contents = ReadFileBytes(file, kMaxFileBytes);
    if (!contents.status && !contents.Missing()) return contents.status;
    std::string bytes;
    try {
        bytes = WithValue(ProfileIndex(std::move(contents.bytes)), section, key, value);
    } catch (const std::bad_alloc&) {
        return FileStatus{ENOMEM, true};
    }
    return ReplaceFileAtomically(file, bytes);
}

}  // namespace zemlo
