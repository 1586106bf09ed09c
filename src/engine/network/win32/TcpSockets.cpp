#include "engine/network/win32/TcpSockets.h"

#include "engine/network/ControlClient.h"
#include "engine/network/SocketSettings.h"
#include "framework/Text.h"

namespace tav {

namespace {
// The info client reaches an info server on this machine.
constexpr char kInfoHost[] = "localhost";
} // namespace

TTcpSockets::TTcpSockets(TComponent* owner, std::string name, const TSettings& settings,
                         TCodeReceiver& receiver,
                         std::function<void(const std::string&)> showPeerText,
                         std::function<void()> closeOrigins,
                         std::function<void(const std::string&)> tellOpenFailure)
    : TComponent(owner, std::move(name)), settings_(settings), receiver_(receiver),
      showPeerText_(std::move(showPeerText)), closeOrigins_(std::move(closeOrigins)),
      tellOpenFailure_(std::move(tellOpenFailure)) {
    TAV_CREATE(CtrlServerSocket,
               {.OnClientConnect = Handler(&TTcpSockets::CtrlServerSocketClientConnect),
                .OnClientRead = Handler(&TTcpSockets::CtrlServerSocketClientRead),
                .OnClientDisconnect = Handler(&TTcpSockets::CtrlServerSocketClientDisconnect),
                .OnClientError = Handler(&TTcpSockets::CtrlServerSocketClientError)});
    TAV_CREATE(CtrlClientSocket, {.OnRead = Handler(&TTcpSockets::CtrlClientSocketRead),
                                  .OnError = Handler(&TTcpSockets::CtrlClientSocketError)});
    TAV_CREATE(InfoServerSocket,
               {.OnClientConnect = Handler(&TTcpSockets::InfoServerSocketClientConnect),
                .OnClientRead = Handler(&TTcpSockets::InfoServerSocketClientRead)});
    TAV_CREATE(InfoClientSocket,
               {.Host = kInfoHost, .OnRead = Handler(&TTcpSockets::InfoClientSocketRead)});
    // A timer's tick comes only when no other message waits: after the burst has been read.
    TAV_CREATE(
        InfoTextTimer,
        {.Interval = 1, .Enabled = false, .OnTimer = Handler(&TTcpSockets::InfoTextTimerTimer)});
}

bool TTcpSockets::OpenTCPControl(bool active) {
    if (!active) {
        CtrlClientSocket->SetActive(false);
        CtrlServerSocket->SetActive(false);
        return true;
    }
    if (settings_.Bool("TCP/IP client enabled")) {
        CtrlClientSocket->SetHost(settings_.Str("TCP/IP client host"));
        CtrlClientSocket->SetPort(StoredPort(settings_, "TCP/IP client port"));
        CtrlClientSocket->SetActive(true);
    }
    if (settings_.Bool("TCP/IP server enabled")) {
        const int port = StoredPort(settings_, "TCP/IP server port");
        CtrlServerSocket->SetPort(port);
        CtrlServerSocket->SetActive(true);
        if (!CtrlServerSocket->Active()) {
            // A deaf server is no running origin (another program holds the port).
            CtrlClientSocket->SetActive(false);
            tellOpenFailure_("Cannot listen on TCP/IP port " + IntToStr(port) +
                             ", Error: " + IntToStr(listenError_));
            return false;
        }
    }
    return true;
}

void TTcpSockets::ActivateInfoSockets() {
    StopInfoSockets(StoredPort(settings_, "TCP/IP info port"));
    ResumeInfoSockets();
}

void TTcpSockets::StopInfoSockets(int port) {
    InfoServerSocket->SetActive(false);
    InfoClientSocket->SetActive(false);
    InfoServerSocket->SetPort(port);
    InfoClientSocket->SetPort(port);
}

void TTcpSockets::ResumeInfoSockets() {
    switch (ChosenInfoSocket(settings_)) {
    case TInfoSocket::Server:
        InfoServerSocket->SetActive(true);
        break;
    case TInfoSocket::Client:
        InfoClientSocket->SetActive(true);
        break;
    case TInfoSocket::None:
        break;
    }
}

void TTcpSockets::CtrlServerSocketClientConnect(TObject*, TConnectionId connection) {
    ctrlServer_.ClientConnect(connection, CtrlServerSocket->RemoteAddress(connection));
}

void TTcpSockets::CtrlServerSocketClientRead(TObject*, TConnectionId connection,
                                             const std::string& text) {
    ctrlServer_.ClientRead(connection, text);
}

void TTcpSockets::CtrlServerSocketClientDisconnect(TObject*, TConnectionId connection) {
    ctrlServer_.ClientDisconnect(connection);
}

void TTcpSockets::CtrlServerSocketClientError(TObject*, TConnectionId connection, int errorCode) {
    // A connection's errors are the socket's business; only a failure to listen is kept.
    if (connection == kNoConnection)
        listenError_ = errorCode;
}

void TTcpSockets::CtrlClientSocketRead(TObject*, const std::string& text) {
    ControlClientRead(text, ctrlClientPeer_, receiver_);
}

void TTcpSockets::CtrlClientSocketError(TObject*, int) {
    closeOrigins_();
}

void TTcpSockets::InfoServerSocketClientConnect(TObject*, TConnectionId connection) {
    InfoServerConnect(settings_, infoServerPeers_, connection,
                      InfoServerSocket->RemoteAddress(connection));
}

void TTcpSockets::InfoServerSocketClientRead(TObject*, TConnectionId, const std::string& text) {
    KeepInfoText(text);
}

void TTcpSockets::InfoClientSocketRead(TObject*, const std::string& text) {
    KeepInfoText(text);
}

void TTcpSockets::KeepInfoText(const std::string& text) {
    if (infoText_.Keep(text))
        InfoTextTimer->SetEnabled(true);
}

void TTcpSockets::InfoTextTimerTimer(TObject*) {
    InfoTextTimer->SetEnabled(false);
    if (const std::string text = infoText_.Take(); !text.empty())
        showPeerText_(text);
}

} // namespace tav
