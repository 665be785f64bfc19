#pragma once

#include "SecretBytes.h"
#include "VaultRow.h"

// What the master password dialog hands to the vault window: the master password the vault
// file is now under, to write it again, and the rows deciphered from it.
struct VaultUnlock {
    SecretBytes password;
    VaultRows rows;
};
