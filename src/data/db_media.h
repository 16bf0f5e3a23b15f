#pragma once
// Pictures (Picture.dat), sound effects (Sound.dat) and BGM (Bgm.dat): files
// of the project, each with a name.
#include <string>

#include "data/db_record.h"

// A name, a file name and the same-as-file-name flag. A new record has every
// field 0 and both texts empty.
template <class D>
class cEdFileEntry : public cEdRecord<D> {
public:
    std::string m_strName;
    std::string m_strPath;       // "パス"
    u32 m_dwSameAsFileName = 0;  // "ファイル名と同じ"

    static const cFieldTable& FieldTable()
    {
        static const cFieldTable s_Table{
            Field<&cEdFileEntry::m_strName>(),
            Field<&cEdFileEntry::m_strPath>(),
            Field<&cEdFileEntry::m_dwSameAsFileName>().From(151),
        };
        return s_Table;
    }
    bool Load(cDataReader& file) override
    {
        if (!this->LoadBody(file)) return false;
        DropEarlyFileNameFlag(m_dwSameAsFileName);
        return file.Ok();
    }
};

// A bitmap that the picture command shows.
class cEdPicture : public cEdFileEntry<cEdPicture> {};

// A wave file (uncompressed PCM without the extensible format header).
class cEdSound : public cEdFileEntry<cEdSound> {};

class cEdBgm : public cEdFileEntry<cEdBgm> {
public:
    u32 m_dwVolume = 100;  // "ボリューム(%)" (0 to 100)

    static const cFieldTable& FieldTable();
};
