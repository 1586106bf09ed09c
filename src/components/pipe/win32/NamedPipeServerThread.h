#pragma once
// The server end of the program's named pipe: a worker thread that takes one client at a time,
// reads one request message, has the main thread answer it and writes the answer back, then
// drops the connection. The plug-in library is its client; any local program may be one.
//
// Every wait of the thread is bounded or ends with Terminate, so the owner can always stop and
// join it: a client that never writes, a reply nobody reads and a main thread that does not get
// round to a request each cost a bounded time, after which the server serves the next client.
// A failing pipe (a wait or a connect that fails) is reported to the application's exception
// handler, once for a run of failures, and serving goes on.

#include "framework/win32/Seams.h"
#include "framework/win32/Thread.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tav {

class TNamedPipeServerThread;

// Answers one request on the main thread: `count` bytes at `buffer`, answered in `reply`.
// Returns false while the program cannot answer yet (no document or settings); the client then
// gets an empty reply, as it does when the handler throws.
using TPipeMessageEvent = std::function<bool(TNamedPipeServerThread* sender, const char* buffer,
                                             int count, std::string& reply)>;

// The pipe as clients see it. The program serves kProgramPipeName, where the plug-in library
// sends its keys.
inline constexpr char kProgramPipeName[] = "TVRLPipe";
inline constexpr char kPipePathPrefix[] = "\\\\.\\pipe\\";
// Only clients on this computer: nothing in the program is meant for the network.
inline constexpr DWORD kPipeMode =
    PIPE_TYPE_MESSAGE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS;
inline constexpr DWORD kPipeMaxInstances = 2;
inline constexpr DWORD kPipeBufferSize = 1024; // also the longest request read
inline constexpr DWORD kPipeDefaultTimeOutMs = 100;

// How long the server gives a connected client to send its request, the main thread to answer
// it, and the client to take the reply and hang up.
inline constexpr DWORD kPipeRequestWaitMs = 1000;
inline constexpr DWORD kPipeHandOverWaitMs = 1000;
inline constexpr DWORD kPipeReplyWaitMs = 1000;
// The pause after a failure, so that a lasting fault does not keep the thread spinning.
inline constexpr DWORD kPipeRetryPauseMs = 100;

// How the server thread waits on its handles (WaitForMultipleObjects, waiting for any one).
// Tests replace it to make a wait fail; replace it only while no server runs, since the
// server's thread calls it.
using TPipeWaitFn = std::function<DWORD(DWORD count, const HANDLE* handles, DWORD timeoutMs)>;
TSeam<TPipeWaitFn>& PipeWaitSeam();

class TNamedPipeServerThread final : public TThread {
public:
    // Creates the pipe "\\.\pipe\<pipeName>" and starts serving it. A pipe that cannot be
    // created raises nothing: the thread then ends at once and no client can connect.
    TNamedPipeServerThread(const std::string& pipeName, TPipeMessageEvent onMessage);
    // Stops and joins the thread. A request still waiting for the main thread is dropped
    // unanswered, so the handler never runs while its owner is being torn down.
    ~TNamedPipeServerThread() override;

protected:
    void Execute() override;

private:
    enum class TIoEnd { Done, Failed, TimedOut, Stopped, WaitFailed };
    struct TIoResult {
        TIoEnd End;
        DWORD Bytes;
        DWORD Error; // of a failed operation or wait
    };

    TIoResult Await(BOOL started, DWORD timeoutMs);
    void Serve();
    void AwaitHangUp();
    std::string Answer(const char* request, int count);
    void Falter(const std::string& text);
    void CloseHandles();

    TPipeMessageEvent onMessage_;
    HANDLE pipe_ = INVALID_HANDLE_VALUE;
    HANDLE completion_ = nullptr;
    OVERLAPPED overlapped_{};
    bool faltering_ = false;
};

} // namespace tav
