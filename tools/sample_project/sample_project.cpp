#include "sample_project.h"

#include <cmath>
#include <vector>

#include "app/file_system.h"
#include "app/path.h"
#include "app/str_util.h"
#include "app/safe_file.h"
#include "data/common_palette.h"
#include "data/database.h"
#include "data/edit_config.h"
#include "data/gval_info.h"
#include "data/palette_set.h"
#include "data/prj_option.h"
#include "data/project_paths.h"
#include "data/system_data.h"
#include "data/world_map.h"
#include "flow/flow_refs.h"
#include "sample_art.h"
#include "sample_stage.h"

namespace {

const char* const kDataFolder = "data";
const char* const kDefaultFolder = "default";

bool WriteWholeFile(const std::string& strPath, const std::vector<u8>& bytes)
{
    cSafeFile file;
    if (!file.Open(strPath)) return false;
    file.Write(bytes.data(), bytes.size());
    return file.Commit() != 0;
}

// Creates every folder on the way to the file.
bool MakeFoldersFor(const std::string& strPath)
{
    cFileSystem& fs = FileSystem();
    for (size_t n = strPath.find('\\'); n != std::string::npos; n = strPath.find('\\', n + 1)) {
        const std::string strFolder = strPath.substr(0, n);
        if (!fs.IsFolder(strFolder) && !fs.MakeFolder(strFolder)) return false;
    }
    return true;
}

// data\stg4\Default.stg4_950: the default stage of this program's version.
std::string DefaultStageFile()
{
    std::string strName;
    ChangeFileExt(strName, g_strPath[kPathDefaultStage], g_strExt[kExtStage]);
    return Format("%s_%u", strName.c_str(), kDataVersion);
}

void PutText(std::vector<u8>& out, const char* lpText) { out.insert(out.end(), lpText, lpText + 4); }

// A short, soft chime: 16-bit mono PCM at 22,050 Hz.
std::vector<u8> MakeChime()
{
    constexpr u32 kRate = 22050, kSamples = kRate * 3 / 10;
    std::vector<u8> out;
    PutText(out, "RIFF");
    PutU32(out, 36 + kSamples * 2);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);
    PutU32(out, kRate);
    PutU32(out, kRate * 2);
    PutU16(out, 2);
    PutU16(out, 16);
    PutText(out, "data");
    PutU32(out, kSamples * 2);
    for (u32 i = 0; i < kSamples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double v = std::sin(2 * 3.14159265358979 * 880 * t) * std::exp(-t * 12) * 8000;
        PutU16(out, static_cast<u16>(static_cast<s16>(v)));
    }
    return out;
}

// A one-track MIDI file: a short phrase on the piano.
std::vector<u8> MakeTune()
{
    std::vector<u8> track;
    const u8 kNotes[] = {60, 64, 67, 72, 67, 64, 60};
    for (u8 note : kNotes) {
        const u8 on[] = {0x00, 0x90, note, 0x50, 0x60, 0x80, note, 0x00};
        track.insert(track.end(), on, on + sizeof on);
    }
    const u8 end[] = {0x00, 0xFF, 0x2F, 0x00};
    track.insert(track.end(), end, end + sizeof end);
    std::vector<u8> out;
    PutText(out, "MThd");
    const u8 header[] = {0, 0, 0, 6, 0, 0, 0, 1, 0, 0x60};
    out.insert(out.end(), header, header + sizeof header);
    PutText(out, "MTrk");
    const u32 n = static_cast<u32>(track.size());
    const u8 size[] = {static_cast<u8>(n >> 24), static_cast<u8>(n >> 16), static_cast<u8>(n >> 8), static_cast<u8>(n)};
    out.insert(out.end(), size, size + 4);
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

}  // namespace

bool WriteDefaultData()
{
    cFileSystem& fs = FileSystem();
    if (fs.Exists(kDataFolder) || fs.Exists(kDefaultFolder)) return false;
    // The objects save where the editor saves them, into data\; the folder
    // then becomes default\.
    if (!fs.MakeFolder(kDataFolder) || !fs.MakeFolder(g_strPath[kPathData] + std::string("database")) ||
        !fs.MakeFolder(g_strPath[kPathStage]))
        return false;
    cDatabase database;
    cSystem system;
    system.SetDatabase(&database);
    const cGValInfo variables(kGValCount);
    const cCommonPalette common;
    const cPrjOption options;
    cWorldMap worldMap;
    cStage stage;
    bool bOk;
    {
        // The stage is checked against this project's palettes and tables.
        const cFlowRefs* lpPrevious = &FlowRefs();
        SetFlowRefs(&database);
        const cPaletteScope scope(ePaletteSide::Common, common.m_Lists);
        BuildSampleStage(stage);
        bOk = SaveGValInfo(variables, g_strPath[kPathGValInfo]) && database.Save(false) && system.SaveFile(0) &&
              common.SaveFile(g_strPath[kPathCommonPalette]) && options.SaveFile(g_strPath[kPathPrjOption]) &&
              worldMap.SaveFile(g_strPath[kPathWorldMap]) && stage.SaveFile(DefaultStageFile());
        SetFlowRefs(lpPrevious);
    }
    return bOk && fs.Rename(kDataFolder, kDefaultFolder);
}

bool WriteSampleMedia()
{
    const tPalette palette = SamplePalette();
    for (const cSampleBitmap& bmp : SampleBitmaps())
        if (!MakeFoldersFor(bmp.lpPath) || !WriteWholeFile(bmp.lpPath, bmp.pfnDraw().ToBmp(palette))) return false;
    const struct {
        const char* lpPath;
        std::vector<u8> bytes;
    } sounds[] = {{"wave\\free.wav", MakeChime()}, {"bgm\\Free.mid", MakeTune()}};
    for (const auto& s : sounds)
        if (!MakeFoldersFor(s.lpPath) || !WriteWholeFile(s.lpPath, s.bytes)) return false;
    return true;
}

bool WriteStartSettings()
{
    cEditConfig settings;
    settings.m_strLastStage = DefaultStageFile();
    const std::string strFolder = g_strPath[kPathEData];
    return FileSystem().MakeFolder(strFolder.substr(0, strFolder.size() - 1)) &&
           settings.SaveFile(g_strPath[kPathEditConfig]);
}

bool MakeSampleProject(const std::string& strFolder, std::string& strError, bool bData)
{
    cFileSystem& fs = FileSystem();
    std::vector<cDirEntry> entries;
    if (fs.IsFolder(strFolder) && (!fs.ListFolder(strFolder, entries) || !entries.empty())) {
        strError = "the folder is not empty";
        return false;
    }
    if (!fs.IsFolder(strFolder) && !fs.MakeFolder(strFolder)) {
        strError = "the folder can't be made";
        return false;
    }
    std::string strPrevious;
    if (!fs.GetCurrentFolder(strPrevious) || !fs.SetCurrentFolder(strFolder)) {
        strError = "the folder can't be entered";
        return false;
    }
    bool bOk = WriteDefaultData();
    if (!bOk) strError = "the default data could not be written";
    if (bOk && !(bOk = WriteSampleMedia())) strError = "the bitmaps and sounds could not be written";
    if (bOk && !(bOk = WriteStartSettings())) strError = "the editor settings could not be written";
    if (bOk && bData && !(bOk = CopyTreeByFiles(fs, kDataFolder, kDefaultFolder)))
        strError = "the data folder could not be made";
    fs.SetCurrentFolder(strPrevious);
    return bOk;
}
