#pragma once
// The program's four TCP sockets: the control server and the control client, which are the TCP
// input origin, and the info server and the info client, which carry the info line of each
// fired command and show on the screen what they receive. The main window owns one.

#include "engine/network/ControlServer.h"
#include "engine/network/InfoReports.h"
#include "engine/recognition/CodeReceiver.h"
#include "engine/settings/Settings.h"
#include "framework/win32/Sockets.h"
#include "framework/win32/Timer.h"

#include <functional>

namespace tav {

// A server socket component as the protocols see it. It holds the member that will point to
// the component, so it can be made before the component is.
class TServerPeers : public IServerPeers {
public:
    explicit TServerPeers(TServerSocket* const& socket) : socket_(socket) {}
    std::vector<TConnectionId> Connections() const override { return socket_->Connections(); }
    void Send(TConnectionId connection, const std::string& text) override {
        socket_->SendText(connection, text);
    }
    void Close(TConnectionId connection) override { socket_->Disconnect(connection); }

private:
    TServerSocket* const& socket_;
};

class TClientPeer : public IClientPeer {
public:
    explicit TClientPeer(TClientSocket* const& socket) : socket_(socket) {}
    bool Active() const override { return socket_->Active(); }
    void Send(const std::string& text) override { socket_->SendText(text); }

private:
    TClientSocket* const& socket_;
};

class TTcpSockets : public TComponent {
public:
    // `showPeerText` shows a peer's text on the screen. `closeOrigins` closes every input
    // origin: the control client's failure ends them all. `tellOpenFailure` shows the user why
    // the origin did not open. Every reference must outlive this object.
    TTcpSockets(TComponent* owner, std::string name, const TSettings& settings,
                TCodeReceiver& receiver, std::function<void(const std::string&)> showPeerText,
                std::function<void()> closeOrigins,
                std::function<void(const std::string&)> tellOpenFailure);

    // The TCP origin's routine: opening starts the control client and the control server that
    // the settings enable, with their stored host and ports; closing stops both. A control
    // server that cannot listen fails the opening, which then leaves both stopped; the
    // client's failures arrive later, from the message loop.
    bool OpenTCPControl(bool active);
    // Start-up: both info sockets stop, take the stored info port, and the one the settings
    // choose starts (none while no part of the info line is chosen).
    void ActivateInfoSockets();
    // A new info port: both info sockets stop and take it for their next start.
    void StopInfoSockets(int port);
    // After the settings changed: the info socket the settings choose starts, unless it runs;
    // nothing is stopped, so the info server keeps its clients.
    void ResumeInfoSockets();

    // The TCP half of the recognizer's report port.
    void SendInfoLine(const std::string& line) { reports_.SendInfoLine(line); }
    void ClearReplySocket() { reports_.ClearReplySocket(); }

    void CtrlServerSocketClientConnect(TObject* sender, TConnectionId connection);
    void CtrlServerSocketClientRead(TObject* sender, TConnectionId connection,
                                    const std::string& text);
    void CtrlServerSocketClientDisconnect(TObject* sender, TConnectionId connection);
    void CtrlServerSocketClientError(TObject* sender, TConnectionId connection, int errorCode);
    void CtrlClientSocketRead(TObject* sender, const std::string& text);
    void CtrlClientSocketError(TObject* sender, int errorCode);
    void InfoServerSocketClientConnect(TObject* sender, TConnectionId connection);
    void InfoServerSocketClientRead(TObject* sender, TConnectionId connection,
                                    const std::string& text);
    void InfoClientSocketRead(TObject* sender, const std::string& text);
    void InfoTextTimerTimer(TObject* sender);

    TServerSocket* CtrlServerSocket = nullptr;
    TClientSocket* CtrlClientSocket = nullptr;
    TServerSocket* InfoServerSocket = nullptr;
    TClientSocket* InfoClientSocket = nullptr;
    // Shows the text the info sockets received, once a burst has been read.
    TTimer* InfoTextTimer = nullptr;

private:
    void KeepInfoText(const std::string& text);

    const TSettings& settings_;
    TCodeReceiver& receiver_;
    std::function<void(const std::string&)> showPeerText_;
    std::function<void()> closeOrigins_;
    std::function<void(const std::string&)> tellOpenFailure_;
    // Why the control server last failed to listen.
    int listenError_ = 0;
    TServerPeers ctrlServerPeers_{CtrlServerSocket};
    TClientPeer ctrlClientPeer_{CtrlClientSocket};
    TServerPeers infoServerPeers_{InfoServerSocket};
    TClientPeer infoClientPeer_{InfoClientSocket};
    TInfoReports reports_{infoServerPeers_, infoClientPeer_, ctrlServerPeers_};
    TControlServer ctrlServer_{settings_, receiver_, ctrlServerPeers_, reports_};
    TInfoText infoText_;
};

} // namespace tav
