#include "net/receive_sockets.h"

#include <cstring>

#include "control/console_output.h"
#include "control/decimal_reading.h"
#include "control/messages.h"
#include "control/startup.h"
#include "net/status_records.h"

platform::SocketHandle statusSocket = platform::kNoSocket;
platform::SocketHandle textSocket = platform::kNoSocket;

namespace {

constexpr int kStatusSocketNumber = 1;
constexpr int kTextSocketNumber = 2;

// Shared by both reads; one more than the longest datagram kept, for the terminating zero.
char receiveBuffer[kReceiveBufferSize];

// The membership request, filled when joining and used again when leaving.
std::uint32_t groupAddress;
std::uint32_t interfaceAddress;

platform::SocketHandle createReceiveSocket(int socketNumber) {
    const platform::SocketHandle socket = platform::createUdpSocket();
    if (socket == platform::kNoSocket) {
        errorExitFormatted(exit_codes::kCannotCreateSocket, messages::kCannotCreateSocketFormat,
                           socketNumber);
    }
    return socket;
}

// Bind and mode-switch failures go unreported: such a socket simply never delivers data.
bool prepareReceiveSocket(platform::SocketHandle socket, std::uint16_t portOffset,
                          std::uint32_t group) {
    if (!platform::setReuseAddress(socket)) {
        printText(messages::kCannotReuseBasePort);
        return false;
    }
    const std::uint16_t port = static_cast<std::uint16_t>(viewerSettings.IPPORT + portOffset);
    platform::bindSocket(socket, interfaceAddress, port, group);
    platform::setNonBlocking(socket);
    return true;
}

void joinReceiveGroup(platform::SocketHandle socket, int socketNumber) {
    if (!platform::joinGroup(socket, groupAddress, interfaceAddress)) {
        errorExitFormatted(exit_codes::kMembership, messages::kCannotAddMembershipFormat,
                           viewerSettings.IPINTERFACEADDRESS, socketNumber);
    }
}

// Reads one datagram into the receive buffer and terminates it; returns its length, 0 for none.
int receiveInto(platform::SocketHandle socket) {
    const int length =
        platform::receiveDatagram(socket, receiveBuffer, static_cast<int>(kReceiveBufferSize - 1));
    if (length <= 0) {
        return 0;
    }
    receiveBuffer[length] = '\0';
    return length;
}

bool isUtf8C1Control(const char* text, std::size_t at, std::size_t length) {
    return static_cast<unsigned char>(text[at]) == 0xC2 && at + 1 < length &&
           static_cast<unsigned char>(text[at + 1]) >= 0x80 &&
           static_cast<unsigned char>(text[at + 1]) <= 0x9F;
}

}  // namespace

bool openReceiveSockets() {
    int errorCode = 0;
    if (!platform::startSockets(&errorCode)) {
        errorExitFormatted(exit_codes::kSocketInit, messages::kSocketInitFailedFormat, errorCode);
    }
    statusSocket = createReceiveSocket(kStatusSocketNumber);
    textSocket = createReceiveSocket(kTextSocketNumber);

    const bool multicast = isMulticastAddress(viewerSettings.IPADDRESS);
    groupAddress = platform::addressFromText(viewerSettings.IPADDRESS);
    interfaceAddress = platform::addressFromText(viewerSettings.IPINTERFACEADDRESS);
    const std::uint32_t bindGroup = multicast ? groupAddress : 0;

    if (!prepareReceiveSocket(statusSocket, kStatusPortOffset, bindGroup) ||
        !prepareReceiveSocket(textSocket, kTextPortOffset, bindGroup)) {
        return false;
    }
    if (multicast) {
        joinReceiveGroup(statusSocket, kStatusSocketNumber);
        joinReceiveGroup(textSocket, kTextSocketNumber);
    }
    return true;
}

void pollTextChannel() {
    const int received = receiveInto(textSocket);
    if (received > 0) {
        // The text ends at its first zero byte; the source supplies its own line ends.
        const std::size_t length = std::strlen(receiveBuffer);
        const std::size_t shown = neutraliseControls(receiveBuffer, length);
        platform::writeConsole(receiveBuffer, shown);
        recordText(receiveBuffer, shown, false);
    }
}

void pollStatusChannel() {
    if (receiveInto(statusSocket) > 0) {
        feedStatusText(receiveBuffer);
    }
}

void closeReceiveSockets() {
    if (isMulticastAddress(viewerSettings.IPADDRESS) &&
        !platform::dropGroup(statusSocket, groupAddress, interfaceAddress)) {
        errorExitFormatted(exit_codes::kMembership, messages::kCannotDropMembershipFormat,
                           viewerSettings.IPINTERFACEADDRESS, viewerSettings.IPPORT);
    }
    platform::closeSocket(statusSocket);
    statusSocket = platform::kNoSocket;
}

std::size_t neutraliseControls(char* text, std::size_t length) {
    std::size_t out = 0;
    for (std::size_t at = 0; at < length; ++at) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (isUtf8C1Control(text, at, length)) {
            text[out++] = '?';
            ++at;  // the second byte of the pair
        } else if ((c < 0x20 && c != '\r' && c != '\n' && c != '\t') || c == 0x7F) {
            text[out++] = '?';
        } else {
            text[out++] = static_cast<char>(c);
        }
    }
    return out;
}
