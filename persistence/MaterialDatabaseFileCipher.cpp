#include "persistence/MaterialDatabaseFileCipher.h"

#include <openssl/evp.h>
#include <openssl/sha.h>

#include <memory>

namespace {

constexpr int NonceLength = 12;
constexpr int TagLength = 16;

// The program key (256 bit). Database files compiled for this program carry payloads under it.
const unsigned char ProgramKey[32] = {
    0x4d, 0x32, 0x9a, 0x1f, 0xc3, 0x57, 0x0e, 0xb8, 0x61, 0xd4, 0x2c, 0x93, 0x7a, 0xe5, 0x18, 0x46,
    0xbf, 0x0b, 0x72, 0xa9, 0x35, 0xcc, 0x5e, 0x81, 0x27, 0xf6, 0x9d, 0x40, 0x13, 0x6b, 0xe2, 0x58};

struct CipherContextDeleter
{
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;

const unsigned char *bytes(const QByteArray &a)
{
    return reinterpret_cast<const unsigned char *>(a.constData());
}

} // namespace

namespace MaterialDatabaseFileCipher {

QByteArray encipher(const QByteArray &plain, const QByteArray &associatedData)
{
    // Deterministic nonce: hash of everything that is authenticated.
    QByteArray hashInput = associatedData + plain;
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(bytes(hashInput), static_cast<size_t>(hashInput.size()), digest);

    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return QByteArray();
    if (EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, NonceLength, nullptr) != 1 ||
        EVP_EncryptInit_ex(ctx.get(), nullptr, nullptr, ProgramKey, digest) != 1)
        return QByteArray();

    QByteArray out(NonceLength + plain.size() + TagLength, '\0');
    unsigned char *o = reinterpret_cast<unsigned char *>(out.data());
    std::copy(digest, digest + NonceLength, o);

    int len = 0;
    if (!associatedData.isEmpty() &&
        EVP_EncryptUpdate(ctx.get(), nullptr, &len, bytes(associatedData), associatedData.size()) !=
            1)
        return QByteArray();
    int written = 0;
    if (!plain.isEmpty()) {
        if (EVP_EncryptUpdate(ctx.get(), o + NonceLength, &len, bytes(plain), plain.size()) != 1)
            return QByteArray();
        written = len;
    }
    if (EVP_EncryptFinal_ex(ctx.get(), o + NonceLength + written, &len) != 1)
        return QByteArray();
    written += len;
    if (written != plain.size())
        return QByteArray();
    if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, TagLength,
                            o + NonceLength + written) != 1)
        return QByteArray();
    return out;
}

bool decipher(const QByteArray &block, const QByteArray &associatedData, QByteArray &plain)
{
    plain.clear();
    if (block.size() < NonceLength + TagLength)
        return false;
    const int cipherLength = block.size() - NonceLength - TagLength;
    const unsigned char *b = bytes(block);

    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return false;
    if (EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1 ||
        EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, NonceLength, nullptr) != 1 ||
        EVP_DecryptInit_ex(ctx.get(), nullptr, nullptr, ProgramKey, b) != 1)
        return false;

    int len = 0;
    if (!associatedData.isEmpty() &&
        EVP_DecryptUpdate(ctx.get(), nullptr, &len, bytes(associatedData), associatedData.size()) !=
            1)
        return false;
    QByteArray out(cipherLength, '\0');
    unsigned char *o = reinterpret_cast<unsigned char *>(out.data());
    int written = 0;
    if (cipherLength > 0) {
        if (EVP_DecryptUpdate(ctx.get(), o, &len, b + NonceLength, cipherLength) != 1)
            return false;
        written = len;
    }
    // The expected tag is handed in before the final step, which verifies it.
    QByteArray tag = block.right(TagLength);
    if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, TagLength, tag.data()) != 1)
        return false;
    if (EVP_DecryptFinal_ex(ctx.get(), o + written, &len) != 1)
        return false; // authentication failed: wrong key or altered bytes
    written += len;
    if (written != cipherLength)
        return false;
    plain = out;
    return true;
}

} // namespace MaterialDatabaseFileCipher
