#include "maintenance/BackupCopy.h"

#include "core/SafeFile.h"

#include <filesystem>
#include <string_view>

namespace belvane {

Status CopyForBackup(const std::string& source, const std::string& destination) {
    std::error_code ec;
    // Replacing the "copy" would replace the file itself.
    if (std::filesystem::equivalent(source, destination, ec) && !ec)
        return Status::Ok();
    ByteBuffer bytes;
    if (Status read = ReadWholeFile(source, bytes); !read.ok())
        return read;
    return WriteFileAtomically(
        destination, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace belvane
