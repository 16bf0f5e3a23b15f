#pragma once
// The MIDI file players of the sound manager: one player per channel, each
// holding the format-0 image of its file. The platform supplies the players
// that sound (a MIDI stream with a thread of its own); this part only reads
// the files and keeps the set.
#include <memory>
#include <string>
#include <vector>

#include "app/types.h"

class cPlayerBase {
public:
    // Reads and converts the file; the image stays empty when it can't.
    explicit cPlayerBase(const std::string& strPath);
    virtual ~cPlayerBase() = default;
    cPlayerBase(const cPlayerBase&) = delete;
    cPlayerBase& operator=(const cPlayerBase&) = delete;

    bool HasImage() const { return !m_Image.empty(); }
    // True when the player can sound its file: it has an image and its
    // output is open.
    virtual bool CanPlay() const { return HasImage(); }
    // Starts or resumes (bLoop: start again at the end).
    virtual void Play(u32 bLoop) = 0;
    // Stops and rewinds (0) or pauses (1).
    virtual void Stop(u32 bPause) = 0;

    const std::vector<u8>& Image() const { return m_Image; }
    const std::string& Name() const { return m_strName; }

protected:
    std::vector<u8> m_Image;
    std::string m_strName;

private:
    void LoadFile(const std::string& strPath);
};

class cMidiPlayerSet {
public:
    typedef std::unique_ptr<cPlayerBase> (*tCreatePlayer)(const std::string& strPath);

    explicit cMidiPlayerSet(tCreatePlayer fnCreate) : m_fnCreate(fnCreate) {}
    ~cMidiPlayerSet() { Clear(); }
    cMidiPlayerSet(const cMidiPlayerSet&) = delete;
    cMidiPlayerSet& operator=(const cMidiPlayerSet&) = delete;

    // Pauses and deletes every player, then plays the file on the channel
    // with a new player. 1 when it plays; 0 when the extension is not "mid",
    // the file can't be read or the player's output can't be opened (the new
    // player then stays in the set).
    u32 Play(s32 nChannel, const std::string& strPath, u32 bRepeat);
    void StopAll(u32 bPause);
    // New channels have no player; players of dropped channels are deleted.
    void Resize(size_t nChannels);
    // Deletes every player and empties the set.
    void Clear();

    size_t Size() const { return m_Players.size(); }
    cPlayerBase* At(size_t n) const { return n < m_Players.size() ? m_Players[n].get() : nullptr; }

private:
    tCreatePlayer m_fnCreate;
    std::vector<std::unique_ptr<cPlayerBase>> m_Players;
};
