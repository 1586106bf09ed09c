#include "components/pipe/win32/NamedPipeServerThread.h"

#include "framework/win32/HandOver.h"
#include "framework/win32/SystemErrorText.h"

namespace tav {

TSeam<TPipeWaitFn>& PipeWaitSeam() {
    static TSeam<TPipeWaitFn> seam([](DWORD count, const HANDLE* handles, DWORD timeoutMs) {
        return WaitForMultipleObjects(count, handles, FALSE, timeoutMs);
    });
    return seam;
}

TNamedPipeServerThread::TNamedPipeServerThread(const std::string& pipeName,
                                               TPipeMessageEvent onMessage)
    : onMessage_(std::move(onMessage)) {
    // Unnamed: two running programs each have a pipe instance of this name, and an event
    // shared by name would wake one of them for the other's client.
    completion_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    overlapped_.hEvent = completion_;
    // Overlapped, so that every wait can also end by Terminate or a time-out; clients cannot
    // tell the difference.
    if (completion_)
        pipe_ = CreateNamedPipeA((kPipePathPrefix + pipeName).c_str(),
                                 PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, kPipeMode,
                                 kPipeMaxInstances, kPipeBufferSize, kPipeBufferSize,
                                 kPipeDefaultTimeOutMs, nullptr);
    try {
        Start();
    } catch (...) {
        CloseHandles();
        throw;
    }
}

TNamedPipeServerThread::~TNamedPipeServerThread() {
    // Flagged before TerminateAndWait runs the pending hand-overs, so that a request already
    // handed over finds the flag and leaves the handler alone.
    Terminate();
    TerminateAndWait();
    CloseHandles();
}

void TNamedPipeServerThread::CloseHandles() {
    if (pipe_ != INVALID_HANDLE_VALUE)
        CloseHandle(pipe_);
    if (completion_)
        CloseHandle(completion_);
}

void TNamedPipeServerThread::Execute() {
    if (pipe_ == INVALID_HANDLE_VALUE)
        return;
    while (!Terminated()) {
        const TIoResult connect = Await(ConnectNamedPipe(pipe_, &overlapped_), INFINITE);
        // A client that connected while no call was waiting for it is there all the same.
        if (connect.End == TIoEnd::Done ||
            (connect.End == TIoEnd::Failed && connect.Error == ERROR_PIPE_CONNECTED)) {
            faltering_ = false;
            Serve();
        } else if (connect.End == TIoEnd::Failed) {
            // The instance only listens again once it is disconnected, also from a client
            // that came and went before the call (ERROR_NO_DATA).
            DisconnectNamedPipe(pipe_);
            if (connect.Error != ERROR_NO_DATA)
                Falter("Connect failed. Error: " + SystemErrorText(connect.Error));
        }
    }
}

TNamedPipeServerThread::TIoResult TNamedPipeServerThread::Await(BOOL started, DWORD timeoutMs) {
    if (!started) {
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING)
            return {TIoEnd::Failed, 0, error};
    }
    const HANDLE handles[2] = {completion_, TerminateEvent()};
    const DWORD waited = PipeWaitSeam()(2, handles, timeoutMs);
    const DWORD waitError = GetLastError();
    DWORD bytes = 0;
    if (waited == WAIT_OBJECT_0)
        return GetOverlappedResult(pipe_, &overlapped_, &bytes, FALSE)
                   ? TIoResult{TIoEnd::Done, bytes, 0}
                   : TIoResult{TIoEnd::Failed, bytes, GetLastError()};
    // The operation must be over before its buffer and record are used again.
    CancelIo(pipe_);
    GetOverlappedResult(pipe_, &overlapped_, &bytes, TRUE);
    if (waited == WAIT_TIMEOUT)
        return {TIoEnd::TimedOut, 0, 0};
    if (waited == WAIT_OBJECT_0 + 1)
        return {TIoEnd::Stopped, 0, 0};
    Falter("Wait failed. Error: " + SystemErrorText(waitError));
    return {TIoEnd::WaitFailed, 0, waitError};
}

void TNamedPipeServerThread::Serve() {
    char request[kPipeBufferSize];
    const TIoResult read =
        Await(ReadFile(pipe_, request, sizeof request, nullptr, &overlapped_), kPipeRequestWaitMs);
    if (read.End == TIoEnd::Done && read.Bytes > 0) {
        const std::string reply = Answer(request, static_cast<int>(read.Bytes));
        const TIoResult written = Await(
            WriteFile(pipe_, reply.data(), static_cast<DWORD>(reply.size()), nullptr, &overlapped_),
            kPipeReplyWaitMs);
        if (written.End == TIoEnd::Done)
            AwaitHangUp();
    }
    DisconnectNamedPipe(pipe_);
}

void TNamedPipeServerThread::AwaitHangUp() {
    // Disconnecting throws away a reply the client has not read yet. The client hangs up once
    // it has read it, which ends a read here; what it still sends meanwhile (the rest of an
    // over-long request) is dropped.
    char rest[kPipeBufferSize];
    const DWORD start = GetTickCount();
    for (DWORD spent = 0; spent < kPipeReplyWaitMs; spent = GetTickCount() - start)
        if (Await(ReadFile(pipe_, rest, sizeof rest, nullptr, &overlapped_),
                  kPipeReplyWaitMs - spent)
                .End != TIoEnd::Done)
            return;
}

std::string TNamedPipeServerThread::Answer(const char* request, int count) {
    std::string reply;
    if (!onMessage_)
        return reply;
    // Not answered in time, not ready or failed: the reply stays empty. A request handed
    // over in vain is withdrawn, so it never runs later.
    Synchronize(
        [&] {
            if (Terminated())
                return;
            std::string answer;
            if (onMessage_(this, request, count, answer))
                reply = std::move(answer);
        },
        kPipeHandOverWaitMs);
    return reply;
}

void TNamedPipeServerThread::Falter(const std::string& text) {
    // The first failure of a run is reported, on the main thread where the application's
    // exception handler shows it; a lasting fault would otherwise pile up message boxes.
    if (!faltering_)
        Queue([text] { HandleException(text); });
    faltering_ = true;
    const HANDLE stop = TerminateEvent();
    PipeWaitSeam()(1, &stop, kPipeRetryPauseMs);
}

} // namespace tav
