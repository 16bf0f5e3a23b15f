// Vox.dll: Ogg Vorbis voices decoded by stb_vorbis and played through
// waveOut. Each playing voice has a thread that refills the device's buffers
// as they come back.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

#include "vox/vox.h"

namespace {

constexpr int kBufferCount = 4;
constexpr u32 kBufferMilliseconds = 100;

class cLock {
public:
    explicit cLock(CRITICAL_SECTION& cs) : m_cs(cs) { EnterCriticalSection(&m_cs); }
    ~cLock() { LeaveCriticalSection(&m_cs); }
    cLock(const cLock&) = delete;
    cLock& operator=(const cLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

class cVoice final : public cVoxVoice {
public:
    cVoice()
    {
        InitializeCriticalSection(&m_Lock);
        m_hEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    }

    u8 VOX_CALL Load(const char* lpPath) override
    {
        Close();
        if (!lpPath) return 0;
        int nError = 0;
        stb_vorbis* lpDecoder = stb_vorbis_open_filename(lpPath, &nError, nullptr);
        if (!lpDecoder) return 0;
        stb_vorbis_info info = stb_vorbis_get_info(lpDecoder);
        if (info.channels < 1 || info.sample_rate < 1) {
            stb_vorbis_close(lpDecoder);
            return 0;
        }
        cLock lock(m_Lock);
        m_lpDecoder = lpDecoder;
        m_nChannels = std::min(info.channels, 2);
        m_nRate = info.sample_rate;
        m_nFrames = stb_vorbis_stream_length_in_samples(lpDecoder);
        m_nLoopsLeft = m_nLoopCount;
        return 1;
    }

    void VOX_CALL Play() override
    {
        StopDevice();
        {
            cLock lock(m_Lock);
            if (!m_lpDecoder || !m_hEvent) return;
            m_nLoopsLeft = m_nLoopCount;
        }
        if (!OpenDevice()) return;
        m_bPlaying = true;
        m_bQuit = false;
        m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr);
        if (!m_hThread) StopDevice();
    }

    void VOX_CALL Stop() override
    {
        StopDevice();
        cLock lock(m_Lock);
        if (m_lpDecoder) stb_vorbis_seek_start(m_lpDecoder);
        m_nLoopsLeft = m_nLoopCount;
    }

    void VOX_CALL Reset() override
    {
        Close();
        cLock lock(m_Lock);
        m_fVolume = 1.0f;
        m_nLoopCount = m_nLoopsLeft = 0;
    }

    void VOX_CALL SetLoop(s32 nCount) override
    {
        cLock lock(m_Lock);
        m_nLoopCount = m_nLoopsLeft = std::max(nCount, 0);
    }

    u32 VOX_CALL GetLength() override
    {
        cLock lock(m_Lock);
        return m_nRate ? static_cast<u32>(u64(m_nFrames) * 1000 / m_nRate) : 0;
    }

    void VOX_CALL SetVolume(float fVolume) override
    {
        cLock lock(m_Lock);
        m_fVolume = std::clamp(fVolume, 0.0f, 1.0f);
    }

    u8 VOX_CALL IsPlaying() override { return m_bPlaying ? 1 : 0; }

    u32 VOX_CALL Render(s16* lpFrames, u32 nFrames) override
    {
        if (m_bPlaying || !lpFrames) return 0;
        cLock lock(m_Lock);
        return Decode(lpFrames, nFrames);
    }

    void VOX_CALL Destroy() override
    {
        Close();
        if (m_hEvent) CloseHandle(m_hEvent);
        DeleteCriticalSection(&m_Lock);
        delete this;
    }

private:
    ~cVoice() = default;

    void Close()
    {
        StopDevice();
        cLock lock(m_Lock);
        if (m_lpDecoder) stb_vorbis_close(m_lpDecoder);
        m_lpDecoder = nullptr;
        m_nChannels = m_nRate = m_nFrames = 0;
    }

    // Decodes with the lock held; at the end of the file it starts again
    // while loops are left.
    u32 Decode(s16* lpFrames, u32 nFrames)
    {
        if (!m_lpDecoder) return 0;
        u32 nDone = 0;
        bool bRewound = false;
        while (nDone < nFrames) {
            int nGot = stb_vorbis_get_samples_short_interleaved(m_lpDecoder, m_nChannels,
                                                                 lpFrames + nDone * m_nChannels,
                                                                 static_cast<int>((nFrames - nDone) * m_nChannels));
            if (nGot > 0) {
                nDone += static_cast<u32>(nGot);
                bRewound = false;
                continue;
            }
            // A file that gives nothing right after a rewind would loop for ever.
            if (m_nLoopsLeft == 0 || bRewound || !stb_vorbis_seek_start(m_lpDecoder)) break;
            if (m_nLoopsLeft != kVoxLoopForever) --m_nLoopsLeft;
            bRewound = true;
        }
        if (m_fVolume < 1.0f) {
            for (u32 i = 0; i < nDone * m_nChannels; ++i)
                lpFrames[i] = static_cast<s16>(static_cast<float>(lpFrames[i]) * m_fVolume);
        }
        return nDone;
    }

    bool OpenDevice()
    {
        WAVEFORMATEX fmt = {};
        u32 nFramesPerBuffer;
        {
            cLock lock(m_Lock);
            fmt.wFormatTag = WAVE_FORMAT_PCM;
            fmt.nChannels = static_cast<WORD>(m_nChannels);
            fmt.nSamplesPerSec = m_nRate;
            fmt.wBitsPerSample = 16;
            fmt.nBlockAlign = static_cast<WORD>(m_nChannels * 2);
            fmt.nAvgBytesPerSec = m_nRate * fmt.nBlockAlign;
            nFramesPerBuffer = std::max<u32>(m_nRate * kBufferMilliseconds / 1000, 1);
        }
        ResetEvent(m_hEvent);
        if (waveOutOpen(&m_hWaveOut, WAVE_MAPPER, &fmt, reinterpret_cast<DWORD_PTR>(m_hEvent), 0, CALLBACK_EVENT) !=
            MMSYSERR_NOERROR) {
            m_hWaveOut = nullptr;
            return false;
        }
        for (int i = 0; i < kBufferCount; ++i) {
            m_Buffers[i].assign(nFramesPerBuffer * fmt.nChannels, 0);
            WAVEHDR& hdr = m_Headers[i];
            hdr = WAVEHDR{};
            hdr.lpData = reinterpret_cast<LPSTR>(m_Buffers[i].data());
            hdr.dwBufferLength = static_cast<DWORD>(m_Buffers[i].size() * sizeof(s16));
            waveOutPrepareHeader(m_hWaveOut, &hdr, sizeof hdr);
            hdr.dwFlags |= WHDR_DONE;  // free for the first fill
        }
        SetEvent(m_hEvent);
        return true;
    }

    // Ends the thread, then returns and frees the device's buffers.
    void StopDevice()
    {
        if (m_hThread) {
            m_bQuit = true;
            SetEvent(m_hEvent);
            WaitForSingleObject(m_hThread, INFINITE);
            CloseHandle(m_hThread);
            m_hThread = nullptr;
        }
        if (m_hWaveOut) {
            waveOutReset(m_hWaveOut);
            for (WAVEHDR& hdr : m_Headers) waveOutUnprepareHeader(m_hWaveOut, &hdr, sizeof hdr);
            waveOutClose(m_hWaveOut);
            m_hWaveOut = nullptr;
        }
        m_bPlaying = false;
    }

    // Refills every buffer the device gave back, until the file ends and
    // the device has played everything.
    void Pump()
    {
        bool bEnded = false;
        while (!m_bQuit) {
            WaitForSingleObject(m_hEvent, INFINITE);
            int nQueued = 0;
            for (int i = 0; i < kBufferCount && !m_bQuit; ++i) {
                WAVEHDR& hdr = m_Headers[i];
                if (!(hdr.dwFlags & WHDR_DONE)) {
                    ++nQueued;
                    continue;
                }
                if (bEnded) continue;
                u32 nFrames;
                {
                    cLock lock(m_Lock);
                    u32 nCapacity = static_cast<u32>(m_Buffers[i].size()) / m_nChannels;
                    nFrames = Decode(m_Buffers[i].data(), nCapacity);
                    hdr.dwBufferLength = nFrames * m_nChannels * sizeof(s16);
                }
                if (nFrames == 0) {
                    bEnded = true;
                    continue;
                }
                hdr.dwFlags &= ~WHDR_DONE;
                if (waveOutWrite(m_hWaveOut, &hdr, sizeof hdr) != MMSYSERR_NOERROR) {
                    hdr.dwFlags |= WHDR_DONE;
                    bEnded = true;
                    continue;
                }
                ++nQueued;
            }
            if (bEnded && nQueued == 0) break;
        }
        m_bPlaying = false;
    }

    static DWORD WINAPI ThreadProc(LPVOID lpParam)
    {
        static_cast<cVoice*>(lpParam)->Pump();
        return 0;
    }

    CRITICAL_SECTION m_Lock;  // the decoder, its format, loops and volume
    stb_vorbis* m_lpDecoder = nullptr;
    u32 m_nChannels = 0;
    u32 m_nRate = 0;
    u32 m_nFrames = 0;
    s32 m_nLoopCount = 0;
    s32 m_nLoopsLeft = 0;
    float m_fVolume = 1.0f;

    HANDLE m_hEvent = nullptr;
    HWAVEOUT m_hWaveOut = nullptr;
    HANDLE m_hThread = nullptr;
    std::atomic<bool> m_bQuit{false};
    std::atomic<bool> m_bPlaying{false};
    WAVEHDR m_Headers[kBufferCount] = {};
    std::vector<s16> m_Buffers[kBufferCount];
};

}  // namespace

extern "C" __declspec(dllexport) cVoxVoice* VOX_CALL CreateVox() { return new (std::nothrow) cVoice(); }
