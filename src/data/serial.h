#pragma once
// The encodings of what a record stores after its registered fields: single
// strings, vectors of strings, bytes and 32-bit values, lists of records and
// records held by a shared pointer. Readers return false once the file turned
// out damaged; nothing is allocated from a count that the rest of the file
// could not hold.
#include <memory>
#include <string>
#include <vector>

#include "data/data_file.h"

// Every record body holds at least its numeric count and its string count.
constexpr u64 kMinRecordBytes = 8;

// u32 L = length + 1, then (unless L is 1) the text and its NUL. A stored
// length of 0 reads as an empty string.
u32 ReadString(std::string& str, cDataReader& file);
void WriteString(const std::string& str, cDataWriter& file);

bool ReadStringVector(std::vector<std::string>& vec, cDataReader& file);
void WriteStringVector(const std::vector<std::string>& vec, cDataWriter& file);

// A stored count below 1 leaves the vector as it was.
bool LoadByteVector(std::vector<u8>& vec, cDataReader& file);
void SaveByteVector(const std::vector<u8>& vec, cDataWriter& file);
bool LoadIntVector(std::vector<u32>& vec, cDataReader& file);
void SaveIntVector(const std::vector<u32>& vec, cDataWriter& file);

// Replacing form: the list becomes count default records, each then loaded.
// A record takes at least qwMinBytes of the file, which bounds the count.
template <class T>
bool LoadRecordList(std::vector<T>& list, cDataReader& file, u64 qwMinBytes = kMinRecordBytes)
{
    u32 nCount = 0;
    if (!file.ReadCount(nCount, qwMinBytes)) return false;
    // Most stored lists are empty: no default record is made for them.
    if (nCount == 0) {
        list.clear();
        return file.Ok();
    }
    list.assign(nCount, T());
    for (T& rec : list)
        if (!rec.Load(file)) return false;
    return file.Ok();
}

// Keeping form (the database tables): a stored count below 1 leaves the list
// as it was; otherwise kept elements load over their contents and new ones
// start from a default record.
template <class T>
bool LoadRecordListKeep(std::vector<T>& list, cDataReader& file)
{
    u32 nCount = 0;
    if (!file.ReadU32(nCount)) return false;
    if (static_cast<s32>(nCount) < 1) return true;
    if (!file.CanRead(nCount * kMinRecordBytes)) return false;
    list.resize(nCount);
    for (T& rec : list)
        if (!rec.Load(file)) return false;
    return file.Ok();
}

template <class T>
void SaveRecordList(const std::vector<T>& list, cDataWriter& file)
{
    file.WriteU32(static_cast<u32>(list.size()));
    for (const T& rec : list) rec.Save(file);
}

// u32 presence flag (any value but 0 is present), then the record's body.
template <class T>
bool LoadSharedRecord(std::shared_ptr<T>& ptr, cDataReader& file)
{
    u32 bPresent = 0;
    if (!file.ReadU32(bPresent)) return false;
    ptr.reset();
    if (!bPresent) return true;
    auto rec = std::make_shared<T>();
    if (!rec->Load(file)) return false;
    ptr = rec;
    return true;
}

template <class T>
void SaveSharedRecord(const std::shared_ptr<T>& ptr, cDataWriter& file)
{
    file.WriteU32(ptr ? 1 : 0);
    if (ptr) ptr->Save(file);
}
