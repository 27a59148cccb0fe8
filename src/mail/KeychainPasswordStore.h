#pragma once

#include "allocation/PasswordStore.h"

// The password in the system's keychain (Secret Service or KWallet on Linux, the credential
// store on Windows) through QtKeychain. Runs its own event loop while the keychain answers, so
// it is used on a thread that has one to spare (the GUI thread, or the command line's).
class KeychainPasswordStore : public PasswordStore {
public:
    Lookup read(const QString& key) override;
    bool write(const QString& key, const QString& password, QString& error) override;
};
