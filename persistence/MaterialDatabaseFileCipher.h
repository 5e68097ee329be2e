#pragma once

#include <QByteArray>

/*  The cipher of the material database payload: AES-256 in Galois/Counter mode (OpenSSL EVP),
    under a fixed key compiled into the program.

    The shipped material data are not secret in any strong sense (the key lives in the program);
    the cipher keeps casual editors away from the database files and, through the
    authentication tag of GCM, makes every damaged or foreign payload detectable before a single
    record is parsed.

    Enciphered block layout: 12-byte nonce | cipher text (same length as the plain text) |
    16-byte authentication tag. The associated data (bytes that are authenticated but not
    enciphered) bind the payload to the file header that precedes it.
*/
namespace MaterialDatabaseFileCipher {

/*! Bytes added to the plain text by encipher(): nonce and tag. */
constexpr int Overhead = 12 + 16;

/*! Enciphers plain with the program key. The nonce is derived from a SHA-256 hash of the
    associated data and the plain text, so the same content always gives the same bytes
    (reproducible build output) while different contents never share a nonce. Returns an empty
    array only if the cipher library fails. */
QByteArray encipher(const QByteArray &plain, const QByteArray &associatedData);

/*! Deciphers and authenticates a block written by encipher() with the same associated data.
    Returns false (plain cleared) when the block is too short, was enciphered under another key
    or was altered in any byte, including the associated data. */
bool decipher(const QByteArray &block, const QByteArray &associatedData, QByteArray &plain);

} // namespace MaterialDatabaseFileCipher
