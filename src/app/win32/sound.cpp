#include "app/win32/sound.h"

#include "app/win32/ggs4_player.h"
#include "app/win32/midi_player.h"
#include "app/win32/ogg_player.h"

namespace {

cOggPlayer& OggPlayer()
{
    static cOggPlayer s_Player;
    return s_Player;
}

cGgs4Player& Ggs4Player()
{
    static cGgs4Player s_Player;
    return s_Player;
}

}  // namespace

cSoundMgr& SoundMgr()
{
    static cSoundMgr s_Mgr(OggPlayer(), Ggs4Player(), CreateMidiPlayer);
    return s_Mgr;
}

cMci& Mci()
{
    static cMci s_Mci;
    return s_Mci;
}
