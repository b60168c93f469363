#include "tools/writers/writers.h"

#include <minizip/zip.h>

int zip_write(const char *path, const std::vector<ZipEntry> &entries)
{
    zipFile zip = zipOpen(path, APPEND_STATUS_CREATE);
    if (!zip)
        return 0;
    int ok = 1;
    for (const ZipEntry &entry : entries) {
        zip_fileinfo info = {};
        if (zipOpenNewFileInZip(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_DEFAULT_COMPRESSION) != ZIP_OK) {
            ok = 0;
            break;
        }
        if (!entry.bytes.empty() &&
            zipWriteInFileInZip(zip, entry.bytes.data(), static_cast<unsigned>(entry.bytes.size())) != ZIP_OK)
            ok = 0;
        if (zipCloseFileInZip(zip) != ZIP_OK)
            ok = 0;
        if (!ok)
            break;
    }
    if (zipClose(zip, nullptr) != ZIP_OK)
        ok = 0;
    return ok;
}
