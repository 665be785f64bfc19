#!/usr/bin/env python3
"""Reads and writes a Tolvane vault file with PyNaCl alone, following docs/vault-format.md.

  vault_peer.py read FILE PASSWORD              prints the rows, one per line
  vault_peer.py write FILE PASSWORD OPS MEMKIB  writes the rows read from standard input

Exit status: 0 done, 2 the password does not open the file, 3 not a vault file.
"""
import os
import struct
import sys

import nacl.bindings as b
import nacl.exceptions
import nacl.pwhash.argon2id as argon2id
import nacl.utils

MAGIC = b"TolvaneVault"
HEADER = struct.Struct("<12sBBII16s24s")  # magic, version, algorithm, ops, memory KiB, salt, nonce
VERSION, ARGON2ID13 = 1, 2


def key_of(password, salt, ops, memory_kib):
    return argon2id.kdf(b.crypto_aead_xchacha20poly1305_ietf_KEYBYTES, password.encode("utf-8"),
                        salt, opslimit=ops, memlimit=memory_kib * 1024)


def read(path, password):
    data = open(path, "rb").read()
    if len(data) < HEADER.size + 16:
        return 3
    magic, version, algorithm, ops, memory_kib, salt, nonce = HEADER.unpack_from(data)
    if magic != MAGIC or version != VERSION or algorithm != ARGON2ID13:
        return 3
    header = data[:HEADER.size]
    key = key_of(password, salt, ops, memory_kib)
    try:
        plain = b.crypto_aead_xchacha20poly1305_ietf_decrypt(data[HEADER.size:], header, nonce, key)
    except nacl.exceptions.CryptoError:
        return 2
    sys.stdout.write(plain.decode("utf-8"))
    return 0


def write(path, password, ops, memory_kib):
    rows = [line for line in sys.stdin.read().split("\n") if line]
    plain = "".join(row + "\n" for row in rows).encode("utf-8")
    salt = nacl.utils.random(16)
    nonce = nacl.utils.random(24)
    header = HEADER.pack(MAGIC, VERSION, ARGON2ID13, ops, memory_kib, salt, nonce)
    key = key_of(password, salt, ops, memory_kib)
    sealed = b.crypto_aead_xchacha20poly1305_ietf_encrypt(plain, header, nonce, key)
    fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)
    with os.fdopen(fd, "wb") as out:
        out.write(header + sealed)
    return 0


def main(args):
    if len(args) == 3 and args[0] == "read":
        return read(args[1], args[2])
    if len(args) == 5 and args[0] == "write":
        return write(args[1], args[2], int(args[3]), int(args[4]))
    sys.stderr.write(__doc__)
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
