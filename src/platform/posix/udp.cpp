#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>

#include "platform/platform.h"

namespace {

int fdOf(platform::SocketHandle socket) {
    return static_cast<int>(socket);
}

bool changeMembership(platform::SocketHandle socket, int option, std::uint32_t group,
                      std::uint32_t interfaceAddress) {
    ip_mreq request;
    std::memset(&request, 0, sizeof request);
    request.imr_multiaddr.s_addr = group;
    request.imr_interface.s_addr = interfaceAddress;
    return setsockopt(fdOf(socket), IPPROTO_IP, option, &request, sizeof request) == 0;
}

}  // namespace

namespace platform {

bool startSockets(int*) {
    return true;
}

std::uint32_t addressFromText(const char* text) {
    return inet_addr(text);
}

SocketHandle createUdpSocket() {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
    return fd < 0 ? kNoSocket : fd;
}

bool setReuseAddress(SocketHandle socket) {
    const int on = 1;
    return setsockopt(fdOf(socket), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0;
}

bool bindSocket(SocketHandle socket, std::uint32_t interfaceAddress, std::uint16_t port,
                std::uint32_t group) {
    sockaddr_in address;
    std::memset(&address, 0, sizeof address);
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    // Linux hands group traffic only to sockets bound to the group or to the wildcard address.
    // Bound to the group, the socket also takes no other group's traffic.
    address.sin_addr.s_addr = group != 0 ? group : interfaceAddress;
    return bind(fdOf(socket), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

bool setNonBlocking(SocketHandle socket) {
    const int flags = fcntl(fdOf(socket), F_GETFL);
    return flags >= 0 && fcntl(fdOf(socket), F_SETFL, flags | O_NONBLOCK) == 0;
}

bool joinGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress) {
    return changeMembership(socket, IP_ADD_MEMBERSHIP, group, interfaceAddress);
}

bool dropGroup(SocketHandle socket, std::uint32_t group, std::uint32_t interfaceAddress) {
    return changeMembership(socket, IP_DROP_MEMBERSHIP, group, interfaceAddress);
}

int receiveDatagram(SocketHandle socket, char* buffer, int capacity) {
    // MSG_TRUNC reports the datagram's real length, so one that did not fit is dropped whole
    // rather than shown cut.
    const ssize_t length =
        recv(fdOf(socket), buffer, static_cast<std::size_t>(capacity), MSG_DONTWAIT | MSG_TRUNC);
    if (length < 0 || length > capacity) {
        return -1;
    }
    return static_cast<int>(length);
}

void closeSocket(SocketHandle socket) {
    if (socket != kNoSocket) {
        close(fdOf(socket));
    }
}

bool setMulticastSending(SocketHandle socket, std::uint32_t interfaceAddress) {
    const unsigned char ttl = 1;
    in_addr outgoing;
    outgoing.s_addr = interfaceAddress;
    return setsockopt(fdOf(socket), IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) == 0 &&
           setsockopt(fdOf(socket), IPPROTO_IP, IP_MULTICAST_IF, &outgoing, sizeof outgoing) == 0;
}

bool sendDatagram(SocketHandle socket, std::uint32_t address, std::uint16_t port, const char* data,
                  std::size_t length) {
    sockaddr_in target;
    std::memset(&target, 0, sizeof target);
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    return sendto(fdOf(socket), data, length, 0, reinterpret_cast<const sockaddr*>(&target),
                  sizeof target) == static_cast<ssize_t>(length);
}

}  // namespace platform
