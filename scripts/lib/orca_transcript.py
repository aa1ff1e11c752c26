# SPDX-License-Identifier: MIT
"""Orca as a blind user hears it, written down: Orca runs on the session's accessibility bus and
speaks through speech-dispatcher, whose generic output module "speaks" by appending each text to
a file instead of making sound. Runs inside a D-Bus session with DISPLAY set; everything it
writes (HOME, the runtime folder, the configuration) lies in a folder of its own.

    with OrcaTranscript(folder, "it_IT.UTF-8") as orca:
        ... start the program, type with keys() ...
        orca.expect(["Calcolo", "Lato a"])   # these lines, in order, among what is said next
"""

import json
import os
import shlex
import subprocess
import time

# How long speech may take to come; a deadline for failing, never a measure of speed.
PATIENCE = 60


def keys(*names):
    """Keys pressed through the X server, one by one, as a person types them."""
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


class OrcaTranscript:
    def __init__(self, folder, locale):
        self.folder = folder
        self.transcript = os.path.join(folder, "transcript.txt")
        self.heard = 0  # lines already matched by expect
        self.env = dict(os.environ, LC_ALL=locale, LANG=locale, HOME=os.path.join(folder, "home"),
                        XDG_RUNTIME_DIR=os.path.join(folder, "runtime"),
                        XDG_CONFIG_HOME=os.path.join(folder, "home", ".config"),
                        XDG_DATA_HOME=os.path.join(folder, "home", ".local", "share"),
                        ALSA_CONFIG_PATH=os.path.join(folder, "asound.conf"))
        self.processes = []

    def __enter__(self):
        self.write_configuration()
        open(self.transcript, "w").close()
        # ZIREV1_ORCA_DEBUG=FILE keeps Orca's own account of each event, to see why it said what.
        debug = os.environ.get("ZIREV1_ORCA_DEBUG")
        self.start(["orca", "--replace", *([f"--debug-file={debug}"] if debug else [])], "orca.log")
        return self

    def __exit__(self, *exc):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        # speech-dispatcher, started by Orca's client, ends when its last client has gone.
        return False

    def start(self, command, log, **extra):
        out = open(os.path.join(self.folder, log), "w")
        process = subprocess.Popen(command, env=dict(self.env, **extra), stdout=out,
                                   stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def write_configuration(self):
        home = self.env["HOME"]
        speechd = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(os.path.join(speechd, "modules"))
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
        # No sound card: the null device takes whatever would be played.
        with open(self.env["ALSA_CONFIG_PATH"], "w") as alsa:
            alsa.write("pcm.!default { type null }\n")
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write(f'LogDir "{self.folder}"\nLogLevel 3\nAudioOutputMethod "alsa"\n'
                       'AddModule "transcript" "sd_generic" "transcript.conf"\n'
                       'DefaultModule "transcript"\nDefaultPunctuationMode "none"\n')
        # Each text whole, as one line: no splitting at punctuation, newlines as spaces.
        file = shlex.quote(self.transcript)
        append = f"tr '\\\\n' ' ' >>{file}; echo >>{file}"
        with open(os.path.join(speechd, "modules", "transcript.conf"), "w") as conf:
            conf.write(f'GenericExecuteSynth "printf %s \\\'$DATA\\\' | {append}"\n'
                       'GenericMaxChunkLength 100000\nGenericDelimiters ""\n'
                       'AddVoice "it" "MALE1" "it"\nAddVoice "en" "MALE1" "en"\n'
                       'GenericLanguage "it" "it" "utf-8"\nGenericLanguage "en" "en" "utf-8"\n')
        # A page is not read aloud from its top as it loads: what is said follows the keys.
        orca = os.path.join(self.env["XDG_DATA_HOME"], "orca")
        os.makedirs(orca)
        with open(os.path.join(orca, "user-settings.conf"), "w") as conf:
            json.dump({"general": {"sayAllOnLoad": False, "pageSummaryOnLoad": False},
                       "profiles": {"default": {"profile": ["Default", "default"]}},
                       "pronunciations": {}, "keybindings": {}}, conf)

    def lines(self):
        with open(self.transcript, encoding="utf-8", errors="replace") as said:
            return [line.strip() for line in said.read().splitlines()]

    def expect(self, expected, patience=PATIENCE):
        """Waits until each expected text is said, in this order, among what was said since the
        last expectation (key echoes and the like may come in between; one line may hold several
        of the texts), and returns the lines said up to the last of them. Fails naming what was
        missing and showing what was said."""
        deadline = time.monotonic() + patience
        while True:
            said = self.lines()
            line, column, found = self.heard, 0, 0
            while found < len(expected) and line < len(said):
                at = said[line].find(expected[found], column)
                if at >= 0:
                    column = at + len(expected[found])
                    found += 1
                else:
                    line, column = line + 1, 0
            if found == len(expected):
                skipped = said[self.heard:line + 1]
                self.heard = line + 1
                return skipped
            if time.monotonic() > deadline:
                raise AssertionError(f"Orca did not say {expected[found]!r} after "
                                     f"{expected[:found]!r}; it said:\n  " +
                                     "\n  ".join(said[self.heard:][-40:]))
            time.sleep(0.1)
