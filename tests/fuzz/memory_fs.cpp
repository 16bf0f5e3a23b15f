#include "memory_fs.h"

#include <sys/types.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// One open stream: a copy of the file's bytes, the position, and for a
// stream opened for writing the file system and the path it stores to.
struct cStream {
    std::vector<u8> bytes;
    size_t nPos = 0;
    cMemoryFs* lpFs = nullptr;
    std::string strPath;
    bool bWrite = false;
};

ssize_t StreamRead(void* lpCookie, char* lpBuf, size_t nSize)
{
    cStream& s = *static_cast<cStream*>(lpCookie);
    size_t n = s.nPos < s.bytes.size() ? std::min(nSize, s.bytes.size() - s.nPos) : 0;
    if (n) memcpy(lpBuf, s.bytes.data() + s.nPos, n);
    s.nPos += n;
    return static_cast<ssize_t>(n);
}

ssize_t StreamWrite(void* lpCookie, const char* lpBuf, size_t nSize)
{
    cStream& s = *static_cast<cStream*>(lpCookie);
    if (s.bytes.size() < s.nPos + nSize) s.bytes.resize(s.nPos + nSize);
    if (nSize) memcpy(s.bytes.data() + s.nPos, lpBuf, nSize);
    s.nPos += nSize;
    return static_cast<ssize_t>(nSize);
}

int StreamSeek(void* lpCookie, off64_t* lpOffset, int nWhence)
{
    cStream& s = *static_cast<cStream*>(lpCookie);
    off64_t nBase = nWhence == SEEK_SET ? 0 : nWhence == SEEK_CUR ? static_cast<off64_t>(s.nPos)
                                                                 : static_cast<off64_t>(s.bytes.size());
    off64_t nPos = nBase + *lpOffset;
    if (nPos < 0) {
        errno = EINVAL;
        return -1;
    }
    s.nPos = static_cast<size_t>(nPos);
    *lpOffset = nPos;
    return 0;
}

int StreamClose(void* lpCookie)
{
    std::unique_ptr<cStream> s(static_cast<cStream*>(lpCookie));
    if (s->bWrite) s->lpFs->Put(s->strPath, s->bytes);
    return 0;
}

}  // namespace

std::string cMemoryFs::Key(const std::string& strPath)
{
    std::string str = strPath;
    while (str.size() > 1 && str.back() == '\\') str.pop_back();
    if (str.compare(0, 2, ".\\") == 0) str.erase(0, 2);
    return str;
}

void cMemoryFs::Reset()
{
    m_Files.clear();
    m_Folders.clear();
}

void cMemoryFs::Put(const std::string& strPath, const u8* lpData, size_t nSize)
{
    m_Files[Key(strPath)].assign(lpData, lpData + nSize);
}

bool cMemoryFs::Get(const std::string& strPath, std::vector<u8>& bytes) const
{
    auto it = m_Files.find(Key(strPath));
    if (it == m_Files.end()) return false;
    bytes = it->second;
    return true;
}

FILE* cMemoryFs::Open(const std::string& strPath, const char* lpMode)
{
    auto s = std::make_unique<cStream>();
    const std::string strKey = Key(strPath);
    const bool bRead = lpMode[0] == 'r', bAppend = lpMode[0] == 'a';
    auto it = m_Files.find(strKey);
    if (bRead && it == m_Files.end()) return nullptr;
    if ((bRead || bAppend) && it != m_Files.end()) s->bytes = it->second;
    if (bAppend) s->nPos = s->bytes.size();
    // As on a disk, opening for writing creates the file at once.
    if (lpMode[0] == 'w') m_Files[strKey].clear();
    s->bWrite = !bRead || strchr(lpMode, '+');
    s->lpFs = this;
    s->strPath = strKey;
    cookie_io_functions_t io = {StreamRead, StreamWrite, StreamSeek, StreamClose};
    FILE* fp = fopencookie(s.get(), lpMode, io);
    if (fp) s.release();
    return fp;
}

bool cMemoryFs::Exists(const std::string& strPath) { return m_Files.count(Key(strPath)) || IsFolder(strPath); }

bool cMemoryFs::IsFolder(const std::string& strPath)
{
    const std::string strKey = Key(strPath);
    if (m_Folders.count(strKey)) return true;
    auto it = m_Files.lower_bound(strKey + "\\");
    return it != m_Files.end() && it->first.compare(0, strKey.size() + 1, strKey + "\\") == 0;
}

bool cMemoryFs::MakeFolder(const std::string& strPath)
{
    if (Exists(strPath)) return false;
    m_Folders.insert(Key(strPath));
    return true;
}

bool cMemoryFs::RemoveFile(const std::string& strPath) { return m_Files.erase(Key(strPath)) != 0; }

bool cMemoryFs::RemoveFolder(const std::string& strPath) { return m_Folders.erase(Key(strPath)) != 0; }

bool cMemoryFs::MoveOver(const std::string& strFrom, const std::string& strTo)
{
    auto it = m_Files.find(Key(strFrom));
    if (it == m_Files.end()) return false;
    std::vector<u8> bytes = std::move(it->second);
    m_Files.erase(it);
    m_Files[Key(strTo)] = std::move(bytes);
    return true;
}

bool cMemoryFs::Rename(const std::string& strFrom, const std::string& strTo)
{
    return !Exists(strTo) && MoveOver(strFrom, strTo);
}

bool cMemoryFs::CopyOneFile(const std::string& strFrom, const std::string& strTo)
{
    auto it = m_Files.find(Key(strFrom));
    if (it == m_Files.end()) return false;
    m_Files[Key(strTo)] = it->second;
    return true;
}

bool cMemoryFs::ListFolder(const std::string& strFolder, std::vector<cDirEntry>& entries)
{
    const std::string strPrefix = Key(strFolder) + "\\";
    std::set<std::string> seen;
    for (const auto& file : m_Files) {
        if (file.first.compare(0, strPrefix.size(), strPrefix) != 0) continue;
        std::string strRest = file.first.substr(strPrefix.size());
        size_t n = strRest.find('\\');
        std::string strName = strRest.substr(0, n);
        if (seen.insert(strName).second) entries.push_back({strName, n != std::string::npos});
    }
    return true;
}

bool cMemoryFs::GetCurrentFolder(std::string& strPath)
{
    strPath = "\\memory";
    return true;
}

bool cMemoryFs::SetCurrentFolder(const std::string&) { return true; }
