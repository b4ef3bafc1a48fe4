# Shared by scripts/test and scripts/run: a real default printer, the CUPS
# queue "PDF" that prints into PDF files, so print paths run end to end.
# Wine lists the CUPS queues as its printers.

# Starts cupsd when it is not running and adds the queue when missing.
# Prints where the PDF files appear. Failure only warns: without a printer
# the programs' print paths must fail with a clear message, never hang.
start_printer() {
    if ! pgrep -x cupsd >/dev/null 2>&1; then
        cupsd >/dev/null 2>&1 || { echo "printer: cupsd could not be started" >&2; return 1; }
        local i
        for i in $(seq 1 50); do
            lpstat -r 2>/dev/null | grep -q "is running" && break
            sleep 0.1
        done
    fi
    if ! lpstat -p PDF >/dev/null 2>&1; then
        lpadmin -p PDF -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 ||
            { echo "printer: the PDF queue could not be added" >&2; return 1; }
    fi
    lpoptions -d PDF >/dev/null 2>&1
    return 0
}

# The folder cups-pdf writes the current user's jobs to.
printer_output_dir() {
    echo "${HOME:-/root}/PDF"
}
