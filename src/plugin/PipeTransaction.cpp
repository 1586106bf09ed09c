#include "PipeTransaction.h"

namespace tavrilink {

namespace {

constexpr DWORD kPieceSize = 1024;

std::string SystemText(DWORD code) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   text, sizeof text, nullptr);
    return text;
}

// A connection to the pipe; a busy pipe (the program serving another key) is waited for once.
HANDLE Connect(const std::string& path) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        HANDLE pipe = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (pipe != INVALID_HANDLE_VALUE || GetLastError() != ERROR_PIPE_BUSY)
            return pipe;
        if (!WaitNamedPipeA(path.c_str(), kBusyPipeWaitMs))
            break;
    }
    return INVALID_HANDLE_VALUE;
}

// Waits for an overlapped operation until the deadline; cancels it when the time is up. A
// piece of a message longer than the buffer ends at once with ERROR_MORE_DATA, and its bytes
// count like those of any other piece: the system reports them only through the record.
bool Finish(HANDLE pipe, OVERLAPPED& io, BOOL started, DWORD& bytes, DWORD deadline, DWORD& error) {
    if (!started) {
        error = GetLastError();
        if (error != ERROR_IO_PENDING && error != ERROR_MORE_DATA)
            return false;
        const DWORD now = GetTickCount();
        const DWORD left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
        if (error == ERROR_IO_PENDING && WaitForSingleObject(io.hEvent, left) != WAIT_OBJECT_0) {
            CancelIo(pipe);
            GetOverlappedResult(pipe, &io, &bytes, TRUE); // the cancelled operation has ended
            error = WAIT_TIMEOUT;
            return false;
        }
    }
    if (GetOverlappedResult(pipe, &io, &bytes, FALSE)) {
        error = ERROR_SUCCESS;
        return true;
    }
    error = GetLastError();
    return false;
}

} // namespace

bool TransactPipeMessage(const std::string& pipeName, std::string_view request,
                         std::string& reply) noexcept {
    try {
        const std::string path = "\\\\.\\pipe\\" + pipeName;
        HANDLE pipe = Connect(path);
        if (pipe == INVALID_HANDLE_VALUE) {
            reply = "Unable to connect to Tavrilo";
            return false;
        }
        DWORD mode = PIPE_READMODE_MESSAGE;
        SetNamedPipeHandleState(pipe, &mode, nullptr, nullptr);
        OVERLAPPED io{};
        io.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        const DWORD deadline = GetTickCount() + kReplyWaitMs;
        char piece[kPieceSize];
        DWORD bytes = 0, error = ERROR_SUCCESS;
        bool done = Finish(pipe, io,
                           TransactNamedPipe(pipe, const_cast<char*>(request.data()),
                                             static_cast<DWORD>(request.size()), piece,
                                             sizeof piece, &bytes, &io),
                           bytes, deadline, error);
        std::string text(piece, bytes);
        // A reply longer than one piece comes in further reads, to its end.
        while (!done && error == ERROR_MORE_DATA) {
            ResetEvent(io.hEvent);
            bytes = 0;
            done = Finish(pipe, io, ReadFile(pipe, piece, sizeof piece, &bytes, &io), bytes,
                          deadline, error);
            text.append(piece, bytes);
        }
        CloseHandle(io.hEvent);
        CloseHandle(pipe);
        if (!done) {
            reply = error == WAIT_TIMEOUT ? "Tavrilo did not answer" : SystemText(error);
            return false;
        }
        reply = text + '\0';
        return true;
    } catch (...) {
        reply.clear();
        return false;
    }
}

} // namespace tavrilink
