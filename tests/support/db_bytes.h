#pragma once
// Hand-built bytes of the database records, laid out field by field as each
// record stores itself in a file of a given data version.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "support/bytes.h"

namespace dbbytes {

using tPattern = std::array<u32, 3>;  // frame, display time, run-command flag
using tFrame = std::array<u32, 2>;    // frame, display time
using tParams = std::array<s32, 5>;

// A sword position: offset X, Y, mirror X, Y, direction, source X, Y,
// width, height, display time.
using tSwordPos = std::array<u32, 10>;
inline const tSwordPos kDefaultSwordPos = {0, 0, 1, 0, 0, 0, 0, 0, 0, 1};

// A table file: the version word, the record count, the records.
inline cBytes TableFile(u32 dwVersion, u32 nCount, const std::function<void(cBytes&)>& records)
{
    cBytes b;
    b.U32(dwVersion).U32(nCount);
    records(b);
    return b;
}

inline cBytes& Pattern(cBytes& b, const tPattern& p)
{
    return b.U32(3).U32(p[0]).U32(p[1]).U32(p[2]).U32(0);
}

inline cBytes& Anime(cBytes& b, u32 v, const std::string& strName, u16 wSample = 0, u8 byKind = 1, u16 wStart = 0,
                     const std::vector<tPattern>& patterns = {{0, 1, 0}})
{
    if (v >= 55)
        b.U32(3).U16(wSample).U8(byKind).U16(wStart);
    else
        b.U32(0);
    b.U32(1).Str(strName).U32(static_cast<u32>(patterns.size()));
    for (const tPattern& p : patterns) Pattern(b, p);
    return b;
}

// An animation set whose animations carry default preview settings and one
// default pattern.
inline cBytes& AnimeSet(cBytes& b, u32 v, const std::string& strName, u32 dwInvincible, u32 dwBlock, u32 dwFly,
                        const std::vector<std::string>& animes)
{
    if (v >= 119)
        b.U32(3).U32(dwInvincible).U32(dwBlock).U32(dwFly);
    else
        b.U32(2).U32(dwInvincible).U32(dwBlock);
    b.U32(1).Str(strName).U32(static_cast<u32>(animes.size()));
    for (const std::string& strAnime : animes) Anime(b, v, strAnime);
    return b;
}

inline cBytes& CharaExcBmp(cBytes& b, u32 v, const std::string& strName, const std::string& strPath, u32 dwSame,
                           u32 dwGiant, u32 dwGiantSize)
{
    b.U32((v >= 152 ? 1 : 0) + (v >= 172 ? 2 : 0));
    if (v >= 152) b.U32(dwSame);
    if (v >= 172) b.U32(dwGiant).U32(dwGiantSize);
    return b.U32(2).Str(strName).Str(strPath);
}

inline cBytes& SwordPos(cBytes& b, u32 v, const tSwordPos& p)
{
    b.U32(v >= 138 ? 10 : 8).U32(p[0]).U32(p[1]);
    if (v >= 138) b.U32(p[2]).U32(p[3]);
    for (size_t i = 4; i < p.size(); ++i) b.U32(p[i]);
    return b.U32(0);
}

inline cBytes& SwordType(cBytes& b, u32 v, const std::string& strName, const std::string& strLeft,
                         const std::string& strRight, u32 dwSame, const std::vector<tSwordPos>& positions)
{
    if (v >= 151)
        b.U32(1).U32(dwSame);
    else
        b.U32(0);
    b.U32(3).Str(strName).Str(strLeft).Str(strRight).U32(static_cast<u32>(positions.size()));
    for (const tSwordPos& p : positions) SwordPos(b, v, p);
    return b;
}

inline cBytes& Effect(cBytes& b, u32 v, const std::string& strName, const std::string& strPath, u32 dwSame,
                      u32 dwWidth, u32 dwHeight, u32 dwEnlarge, const std::vector<tFrame>& frames = {{0, 1}})
{
    if (v >= 151)
        b.U32(4).U32(dwSame);
    else
        b.U32(3);
    b.U32(dwWidth).U32(dwHeight).U32(dwEnlarge);
    b.U32(2).Str(strName).Str(strPath).U32(static_cast<u32>(frames.size()));
    for (const tFrame& f : frames) b.U32(2).U32(f[0]).U32(f[1]).U32(0);
    return b;
}

// A chara effect or screen effect: kind, then the five parameters as one field.
inline cBytes& KindEffect(cBytes& b, const std::string& strName, u32 dwKind, const tParams& params)
{
    b.U32(2).U32(dwKind);
    for (s32 n : params) b.U32(static_cast<u32>(n));
    return b.U32(1).Str(strName);
}

// A picture or a sound effect.
inline cBytes& FileEntry(cBytes& b, u32 v, const std::string& strName, const std::string& strPath, u32 dwSame)
{
    if (v >= 151)
        b.U32(1).U32(dwSame);
    else
        b.U32(0);
    return b.U32(2).Str(strName).Str(strPath);
}

inline cBytes& Bgm(cBytes& b, u32 v, const std::string& strName, const std::string& strPath, u32 dwSame,
                   u32 dwVolume)
{
    b.U32((v >= 151 ? 1 : 0) + (v >= 814 ? 1 : 0));
    if (v >= 151) b.U32(dwSame);
    if (v >= 814) b.U32(dwVolume);
    return b.U32(2).Str(strName).Str(strPath);
}

}  // namespace dbbytes
