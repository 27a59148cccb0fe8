#!/usr/bin/python3
"""A real SMTP submission server on loopback for the mail tests.

Makes a self-signed certificate for "localhost", listens on a free port of 127.0.0.1 with
STARTTLS (or TLS from the first byte, or none) and AUTH LOGIN/PLAIN, and reads every message
that arrives with Python's email package as a mail program would. Each message becomes one JSON
line in DIR/messages.jsonl: envelope, headers, defects, text and attachments.

Prints "PORT <port> SHA256 <fingerprint of the certificate>" once it listens; stops when its
standard input closes.

With --parse FILE... it only reads the given message files and prints one JSON line for each.
"""
import argparse
import asyncio
import datetime
import email
import email.policy
import hashlib
import json
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword
from cryptography import x509
from cryptography.hazmat.primitives import hashes, serialization
from cryptography.hazmat.primitives.asymmetric import ec
from cryptography.x509.oid import NameOID


def make_certificate(directory):
    key = ec.generate_private_key(ec.SECP256R1())
    name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "localhost")])
    now = datetime.datetime.now(datetime.timezone.utc)
    certificate = (
        x509.CertificateBuilder()
        .subject_name(name)
        .issuer_name(name)
        .public_key(key.public_key())
        .serial_number(x509.random_serial_number())
        .not_valid_before(now - datetime.timedelta(days=1))
        .not_valid_after(now + datetime.timedelta(days=2))
        .add_extension(x509.SubjectAlternativeName([x509.DNSName("localhost")]), critical=False)
        .sign(key, hashes.SHA256())
    )
    cert_path = os.path.join(directory, "cert.pem")
    key_path = os.path.join(directory, "key.pem")
    with open(cert_path, "wb") as out:
        out.write(certificate.public_bytes(serialization.Encoding.PEM))
    with open(key_path, "wb") as out:
        out.write(key.private_bytes(serialization.Encoding.PEM, serialization.PrivateFormat.PKCS8,
                                    serialization.NoEncryption()))
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(cert_path, key_path)
    fingerprint = certificate.fingerprint(hashes.SHA256()).hex()
    return context, fingerprint


def header_report(message, name):
    values = message.get_all(name) or []
    return [{"value": str(value), "defects": [type(d).__name__ for d in value.defects]} for value in values]


def read_message(data):
    """What a mail program finds in the message."""
    report = {"strict": "ok"}
    try:
        email.message_from_bytes(data, policy=email.policy.strict)
    except Exception as error:  # policy.strict raises on the first defect
        report["strict"] = f"{type(error).__name__}: {error}"
    message = email.message_from_bytes(data, policy=email.policy.default)
    report["headers"] = {name: header_report(message, name) for name in
                         ("From", "To", "Cc", "Bcc", "Date", "Message-ID", "MIME-Version", "Subject")}
    report["to_addresses"] = [address.addr_spec for address in message["To"].addresses] if message["To"] else []
    date = message["Date"]
    report["date_ok"] = bool(date and date.datetime is not None)
    defects = []
    attachments = []
    text = None
    for part in message.walk():
        defects += [type(defect).__name__ for defect in part.defects]
        for name, value in part.items():
            defects += [f"{name}: {type(defect).__name__}: {defect}" for defect in getattr(value, "defects", [])]
        if part.is_multipart():
            continue
        if part.get_content_disposition() == "attachment":
            payload = part.get_payload(decode=True)
            attachments.append({
                "filename": part.get_filename(),
                "name": part.get_param("name"),
                "content_type": part.get_content_type(),
                "sha256": hashlib.sha256(payload).hexdigest(),
                "size": len(payload),
            })
        elif part.get_content_type() == "text/plain" and text is None:
            text = part.get_content()
    report["defects"] = defects
    report["attachments"] = attachments
    report["text"] = text
    return report


class Recorder:
    def __init__(self, path):
        self.path = path

    async def handle_DATA(self, server, session, envelope):
        report = read_message(envelope.original_content)
        report["mail_from"] = envelope.mail_from
        report["rcpt_tos"] = envelope.rcpt_tos
        report["authenticated"] = session.authenticated
        with open(self.path, "a", encoding="utf-8") as out:
            out.write(json.dumps(report, ensure_ascii=False) + "\n")
        return "250 OK"


async def serve(arguments):
    context, fingerprint = make_certificate(arguments.dir)

    def authenticate(server, session, envelope, mechanism, data):
        good = isinstance(data, LoginPassword) and data.login.decode() == arguments.user and \
            data.password.decode() == arguments.password
        return AuthResult(success=good, handled=False)

    recorder = Recorder(os.path.join(arguments.dir, "messages.jsonl"))
    starttls = arguments.security == "starttls"

    def factory():
        return SMTP(recorder, hostname="localhost", tls_context=context if starttls else None,
                    require_starttls=starttls, authenticator=authenticate, auth_required=True,
                    # with TLS from the first byte aiosmtpd does not see the encryption itself
                    auth_require_tls=starttls, enable_SMTPUTF8=False)

    loop = asyncio.get_running_loop()
    server = await loop.create_server(factory, "127.0.0.1", 0,
                                      ssl=context if arguments.security == "tls" else None)
    port = server.sockets[0].getsockname()[1]
    print(f"PORT {port} SHA256 {fingerprint}", flush=True)
    await loop.run_in_executor(None, sys.stdin.read)  # until the test closes our input
    server.close()
    await server.wait_closed()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--parse", nargs="+", metavar="FILE")
    parser.add_argument("--dir")
    parser.add_argument("--security", choices=("starttls", "tls", "none"), default="starttls")
    parser.add_argument("--user", default="trainer")
    parser.add_argument("--password", default="geheim")
    arguments = parser.parse_args()
    if arguments.parse:
        for path in arguments.parse:
            with open(path, "rb") as message:
                print(json.dumps(read_message(message.read()), ensure_ascii=False))
        return
    asyncio.run(serve(arguments))


if __name__ == "__main__":
    main()
