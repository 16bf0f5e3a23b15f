#pragma once
// Flows and commands. A flow is one behaviour rule of a chara (or of a
// command, as a sub-flow): when its trigger fires and its conditions and key
// conditions hold, its commands run in order. A command is one step of a
// flow: its set and kind pick what it does; its parameters, text and
// sub-records (move, shot, condition list) say how. A command may own flows
// of its own, so flows and commands nest.
#include <memory>
#include <string>
#include <vector>

#include "data/ed_data.h"
#include "flow/cond_item.h"
#include "flow/ed_move.h"
#include "flow/ed_shot.h"
#include "flow/key_cond.h"

class cEdFlow;

// Flows inside commands inside flows: the editor itself writes flows one
// level deep (a chara's flows, or the flows of an item's flow-change
// command); a file nesting them deeper than this is treated as damaged.
constexpr u32 kMaxFlowDepth = 16;

class cCommand : public cEdRecord<cCommand> {
public:
    cCommand();
    // Copies make sub-records of their own: no two commands share one.
    cCommand(const cCommand& src);
    cCommand(cCommand&& src) noexcept;
    cCommand& operator=(const cCommand& src);
    cCommand& operator=(cCommand&& src) noexcept;
    ~cCommand() override;

    // Every registered field 0 (the mute flag 1) and no sub-records; the
    // parameters and sub-flows are left alone.
    void Init();

    static const cFieldTable& FieldTable();
    // Reads the command, brings an older one up to date and normalises it.
    bool Load(cDataReader& file) override;
    // Writes the normalised command; the record itself is left as it is.
    void Save(cDataWriter& file) const override;
    // Writes the command as it stands.
    void Write(cDataWriter& file) const;

    // Repairs references into the database, sizes the parameters to the
    // kind and recomputes a sword's time; the same for every sub-flow.
    void Normalize();
    // Repairs references into the palettes; the same for every sub-flow.
    void ValidateRefs();

    // The kind of the flow-command set that this command is (an item-effect
    // command of kind k >= 2 is the flow command k + 15), or -1.
    int FlowKind() const;

    friend bool operator==(const cCommand& a, const cCommand& b);
    friend bool operator!=(const cCommand& a, const cCommand& b) { return !(a == b); }

    u8 m_nSet;                  // 0 flow commands, any other value item-effect commands
    u8 m_nKind;                 // index into the set's kind table
    std::vector<u32> m_Params;  // the kind's parameters
    std::string m_Text;
    std::shared_ptr<cEdMove> m_pMove;
    std::shared_ptr<cEdShot> m_pShot;  // also the summon and item-drop settings
    u16 m_wTime;                // tenths of a second; a sword's total time
    s16 m_nCloneFactor;         // "＋分身値×"
    u8 m_bParallel;             // runs in parallel with the next ones
    u16 m_wSound;               // index into the sound table
    u8 m_bMuteOffScreen;        // "使用者が画面外なら再生しない"
    u16 m_wAnime;               // index into the animation table
    std::shared_ptr<cCondList> m_pCondList;  // flow operation's conditions
    std::vector<cEdFlow> m_SubFlows;

private:
    // The steps from the file's version to today's.
    void Migrate(u32 dwVersion);
    void RepairTableRefs();
    void UpdateSwordTime();
};

class cEdFlow : public cEdRecord<cEdFlow> {
public:
    cEdFlow() { Init(); }

    // Every registered field 0 or empty, key tolerance 3; the vectors are
    // left alone.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    // Writes the normalised flow; the record itself is left as it is.
    void Save(cDataWriter& file) const override;
    void Write(cDataWriter& file) const;

    void Normalize();
    void ValidateRefs();
    // Nothing set at all: no note, no group letters, no trigger, no
    // conditions, no key conditions and no commands.
    bool IsEmpty() const;

    friend bool operator==(const cEdFlow& a, const cEdFlow& b);
    friend bool operator!=(const cEdFlow& a, const cEdFlow& b) { return !(a == b); }

    std::string m_Note;
    u8 m_nGroup;          // 0 "-", 1..26 "A".."Z"
    u8 m_nSubGroup;       // 0 "-", 1..26 "a".."z"
    u8 m_bTestOnly;       // "テストプレイ専用"
    cCondItems m_Conds;
    u8 m_nCondMode;       // 0 all conditions, 1 at least one
    u8 m_bLatch;          // once satisfied, satisfied for good
    u8 m_nTrigger;        // index into the trigger names
    u8 m_bSetTarget;      // the chara of the trigger becomes a target
    u8 m_nTargetNo;       // which target, 0..3
    u8 m_nKeyTolerance;   // 0..15
    u8 m_bKeyRepeat;      // holding the key repeats the flow
    std::vector<cEdKeyCond> m_KeyConds;
    std::vector<cCommand> m_Commands;

private:
    void MigrateTrigger(u32 dwVersion);
};

using cFlows = std::vector<cEdFlow>;
using cCommands = std::vector<cCommand>;

// A u32 count, then each element; loading replaces the list. The count is
// bounded by what is left of the file.
bool LoadFlowList(cFlows& flows, cDataReader& file);
bool LoadCommandList(cCommands& commands, cDataReader& file);
// Write the elements as they stand (callers normalise first).
void WriteFlowList(const cFlows& flows, cDataWriter& file);
void WriteCommandList(const cCommands& commands, cDataWriter& file);
