#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

#include "platform/platform.h"

namespace {

SOCKET socketOf(platform::SocketHandle socket) {
    return static_cast<SOCKET>(socket);
}

bool changeMembership(platform::SocketHandle socket, int option, std::uint32_t group,
                      std::uint32_t interfaceAddress) {
    ip_mreq request;
    std::memset(&request, 0, sizeof request);
    request.imr_multiaddr.s_addr = group;
    request.imr_interface.s_addr = interfaceAddress;
    return setsockopt(socketOf(socket), IPPROTO_IP, option, reinterpret_cast<const char*>(&request),
                      sizeof request) == 0;
}

}  // namespace

namespace platform {

bool startSockets(int* errorCode) {
    WSADATA data;
    const int result = WSAStartup(MAKEWORD(2, 2), &data);
    *errorCode = result;
    return result == 0;
}

std::uint32_t addressFromText(const char* text) {
    return inet_addr(text);
}

SocketHandle createUdpSocket() {
    const SOCKET created = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    return created == INVALID_SOCKET ? kNoSocket : static_cast<SocketHandle>(created);
}

bool setReuseAddress(SocketHandle socket) {
    const int on = 1;
    return setsockopt(socketOf(socket), SOL_SOCKET, SO_REUSEADDR,
                      reinterpret_cast<const char*>(&on), sizeof on) == 0;
}

bool bindSocket(SocketHandle socket, std::uint32_t interfaceAddress, std::uint16_t port,
                std::uint32_t) {
    // Windows delivers a joined group's datagrams to a socket bound to the interface.
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = interfaceAddress;
    return bind(socketOf(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool setNonBlocking(SocketHandle socket) {
    u_long on = 1;
    return ioctlsocket(socketOf(socket), FIONBIO, &on) == 0;
}

bool joinGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress) {
    return changeMembership(socket, IP_ADD_MEMBERSHIP, group, interfaceAddress);
}

bool dropGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress) {
    return changeMembership(socket, IP_DROP_MEMBERSHIP, group, interfaceAddress);
}

int receiveDatagram(SocketHandle socket, char* buffer, int capacity) {
    // A datagram longer than the buffer is reported as an error (WSAEMSGSIZE) and lost whole.
    const int length = recvfrom(socketOf(socket), buffer, capacity, 0, nullptr, nullptr);
    return length == SOCKET_ERROR ? -1 : length;
}

void closeSocket(SocketHandle socket) {
    if (socket != kNoSocket) {
        closesocket(socketOf(socket));
    }
}

bool setMulticastSending(SocketHandle socket, std::uint32_t interfaceAddress) {
    const DWORD ttl = 1;
    in_addr outgoing;
    outgoing.s_addr = interfaceAddress;
    return setsockopt(socketOf(socket), IPPROTO_IP, IP_MULTICAST_TTL,
                      reinterpret_cast<const char*>(&ttl), sizeof ttl) == 0 &&
           setsockopt(socketOf(socket), IPPROTO_IP, IP_MULTICAST_IF,
                      reinterpret_cast<const char*>(&outgoing), sizeof outgoing) == 0;
}

bool sendDatagram(SocketHandle socket, std::uint32_t address, std::uint16_t port, const char* data,
                  std::size_t length) {
    sockaddr_in target;
    std::memset(&target, 0, sizeof target);
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    return sendto(socketOf(socket), data, static_cast<int>(length), 0,
                  reinterpret_cast<const sockaddr*>(&target),
                  sizeof target) == static_cast<int>(length);
}

}  // namespace platform
