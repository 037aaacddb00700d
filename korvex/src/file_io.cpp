#include "file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "modes.h"
#include "wipe.h"

namespace korvex {

int open_pair(const char* out_name, const char* in_name, FilePair* files) {
    files->in = files->out = -1;
    if (in_name == nullptr) return 1;
    const int in = ::open(in_name, O_RDONLY | O_CLOEXEC);
    if (in < 0) return 1;
    struct stat in_st;
    if (::fstat(in, &in_st) != 0 || S_ISDIR(in_st.st_mode)) {
        ::close(in);
        return 1;
    }
    struct stat out_st;
    if (out_name == nullptr ||
        (::stat(out_name, &out_st) == 0 && out_st.st_dev == in_st.st_dev &&
         out_st.st_ino == in_st.st_ino)) {
        ::close(in);
        return 2;
    }
    const int out = ::open(out_name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0) {
        ::close(in);
        return 2;
    }
    files->in = in;
    files->out = out;
    return 0;
}

int close_pair(FilePair* files, int result) {
    if (files->in >= 0) ::close(files->in);
    int rc = result;
    if (files->out >= 0 && ::close(files->out) != 0) rc = 4;
    files->in = files->out = -1;
    return rc;
}

ssize_t read_full(int fd, uint8_t* buf, size_t n) {
    size_t got = 0;
    while (got < n) {
        const ssize_t r = ::read(fd, buf + got, n - got);
        if (r == 0) break;
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        got += size_t(r);
    }
    return ssize_t(got);
}

bool write_full(int fd, const uint8_t* buf, size_t n) {
    size_t put = 0;
    while (put < n) {
        const ssize_t w = ::write(fd, buf + put, n - put);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        put += size_t(w);
    }
    return true;
}

namespace {

int encipher_padded(BlowfishState* st, int in_fd, int out_fd, uint8_t* buf) {
    for (;;) {
        const ssize_t got = read_full(in_fd, buf, kFileChunk);
        if (got < 0) return 1;
        size_t n = size_t(got);
        if (n == kFileChunk) {
            transform(st, buf, buf, n);
            if (!write_full(out_fd, buf, n)) return 4;
            continue;
        }
        // End of file: 1 to 8 pad bytes, each holding the pad length, so even
        // a whole-block (or empty) file gains a block.
        const size_t pad = kBlockSize - n % kBlockSize;
        std::memset(buf + n, int(pad), pad);
        n += pad;
        transform(st, buf, buf, n);
        return write_full(out_fd, buf, n) ? 0 : 4;
    }
}

int decipher_padded(BlowfishState* st, int in_fd, int out_fd, uint8_t* buf) {
    // The last whole block is only known to be last once the file ends, so
    // one block is always held back at the front of the buffer.
    size_t held = 0;
    for (;;) {
        const ssize_t got = read_full(in_fd, buf + held, kFileChunk - held);
        if (got < 0) return 1;
        const size_t have = held + size_t(got);
        if (have == kFileChunk) {
            const size_t body = have - kBlockSize;
            transform(st, buf, buf, body);
            if (!write_full(out_fd, buf, body)) return 4;
            std::memmove(buf, buf + body, kBlockSize);
            held = kBlockSize;
            continue;
        }
        // Bytes after the last whole block are ignored.
        const size_t whole = have - have % kBlockSize;
        if (whole == 0) return 18;  // not even one block: nothing to unpad
        transform(st, buf, buf, whole);
        const uint8_t pad = buf[whole - 1];
        const size_t keep = pad <= kBlockSize ? whole - pad : whole;
        if (!write_full(out_fd, buf, keep)) return 4;
        return pad <= kBlockSize ? 0 : 18;
    }
}

int stream_unpadded(BlowfishState* st, int in_fd, int out_fd, uint8_t* buf) {
    for (;;) {
        const ssize_t got = read_full(in_fd, buf, kFileChunk);
        if (got < 0) return 1;
        const size_t n = size_t(got);
        if (n == 0) return 0;
        // Only the final, short read may end in a partial block.
        transform(st, buf, buf, n);
        if (!write_full(out_fd, buf, n)) return 4;
        if (n < kFileChunk) return 0;
    }
}

}  // namespace

int transform_file(BlowfishState* st, int in_fd, int out_fd) {
    uint8_t buf[kFileChunk];
    KX_TRACK(buf, sizeof buf);
    int rc;
    if (st->mode == kEcb || st->mode == kCbc) {
        rc = st->direction != 0 ? encipher_padded(st, in_fd, out_fd, buf)
                                : decipher_padded(st, in_fd, out_fd, buf);
    } else {
        rc = stream_unpadded(st, in_fd, out_fd, buf);
    }
    secure_wipe(buf, sizeof buf);
    return rc;
}

}  // namespace korvex
