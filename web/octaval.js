// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page: loads the calculator (octaval.wasm), builds the window's rows from its captions, and
// hands every press, keystroke and paste to it. What a text does to a row of octet boxes and
// every answer are decided in the module, as in the window; this file only moves texts.
'use strict';

(() => {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    let wasm = null;

    // The module's imports: it asks the system for nothing the page has to give, so any call
    // answers "not supported" (ENOSYS), and an exit stops the call that asked for it.
    const system = new Proxy({}, {
        get: (_, name) => name === 'proc_exit'
            ? (code) => { throw new Error(`octaval.wasm exited with ${code}`); }
            : () => 52,
    });

    async function load() {
        const imports = { wasi_snapshot_preview1: system };
        let instance;
        if (window.octavalModule) {
            // The single-file page carries the module in itself (base64).
            const bytes = Uint8Array.from(atob(window.octavalModule), (c) => c.charCodeAt(0));
            ({ instance } = await WebAssembly.instantiate(bytes, imports));
        } else {
            try {
                ({ instance } = await WebAssembly.instantiateStreaming(fetch('octaval.wasm'), imports));
            } catch (error) {
                // A host that serves it with another content type.
                const bytes = await (await fetch('octaval.wasm')).arrayBuffer();
                ({ instance } = await WebAssembly.instantiate(bytes, imports));
            }
        }
        wasm = instance.exports;
        wasm._initialize();
    }

    function bytesIn(pointer, length) {
        return new Uint8Array(wasm.memory.buffer, pointer, length);
    }
    function output(length) {
        return decoder.decode(bytesIn(wasm.octaval_output(), length));
    }
    function putBytes(bytes) {
        bytesIn(wasm.octaval_input(bytes.length), bytes.length).set(bytes);
    }

    // One press on the page's calculator: the JSON line of the batch mode for these eight texts.
    function press(texts) {
        if (!Array.isArray(texts) || texts.length !== 8) throw new TypeError('press takes eight texts');
        putTexts(texts);
        return output(wasm.octaval_press());
    }

    // Puts eight texts into the input as octaval_press and octaval_working take them.
    function putTexts(texts) {
        const strings = texts.map(String);
        // UTF-8 takes at most three bytes for each UTF-16 code unit.
        const room = strings.reduce((sum, text) => sum + 3 * text.length, 32);
        const pointer = wasm.octaval_input(room);
        const memory = new Uint8Array(wasm.memory.buffer, pointer, room);
        const lengths = new DataView(wasm.memory.buffer, pointer, 32);
        let at = 32;
        strings.forEach((text, k) => {
            const { written } = encoder.encodeInto(text, memory.subarray(at));
            lengths.setUint32(4 * k, written, true);
            at += written;
        });
    }

    // The whole output of the batch mode for this input, on a calculator of its own.
    function batch(text) {
        const bytes = typeof text === 'string' ? encoder.encode(text) : new Uint8Array(text);
        putBytes(bytes);
        return output(wasm.octaval_batch(bytes.length));
    }

    function naturalMask(firstOctet) {
        const bytes = encoder.encode(firstOctet);
        putBytes(bytes);
        return output(wasm.octaval_natural_mask(bytes.length)).split('.');
    }

    // A row entry (report/address_entry.h) as the module writes it in UTF-16 code units.
    const Kind = { refused: 0, box: 1, rows: 2, nextBox: 3 };
    function rowEntry(typed, row, box, from, to, first, second) {
        const count = first.length + second.length;
        const pointer = wasm.octaval_input(2 * count);
        const units = new Uint16Array(wasm.memory.buffer, pointer, count);
        for (let k = 0; k < first.length; ++k) units[k] = first.charCodeAt(k);
        for (let k = 0; k < second.length; ++k) units[first.length + k] = second.charCodeAt(k);
        const length = wasm.octaval_enter(row, box, from, to, first.length, second.length, typed ? 1 : 0);
        const out = new Uint16Array(wasm.memory.buffer, wasm.octaval_output16(), length);
        let at = 0;
        const text = () => {
            const n = out[at++];
            const s = String.fromCharCode(...out.subarray(at, at + n));
            at += n;
            return s;
        };
        const rowTexts = () => (out[at++] ? [text(), text(), text(), text()] : null);
        const entry = { kind: out[at++], cursor: out[at++] };
        entry.text = text();
        entry.address = rowTexts();
        entry.mask = rowTexts();
        return entry;
    }

    // The window's rows, from the module's captions.
    function rows() {
        return output(wasm.octaval_rows()).trimEnd().split('\n').map((line) => {
            const [caption, key, first, boxes] = line.split('\t');
            return { caption, key, first: Number(first), boxes: Number(boxes) };
        });
    }

    // One of the window's texts in the page's language.
    function translate(context, source) {
        const first = encoder.encode(context), second = encoder.encode(source);
        const bytes = new Uint8Array(first.length + second.length);
        bytes.set(first);
        bytes.set(second, first.length);
        putBytes(bytes);
        return output(wasm.octaval_translate(first.length, second.length));
    }

    // The page speaks the languages of the window's translations and English; the choice is
    // kept, else the browser's first language that the page speaks.
    const languageKey = 'octaval-language';
    function storedLanguage() {
        try {
            return localStorage.getItem(languageKey);
        } catch (error) {
            return null;  // storage refused (a file:// page in some browsers, private modes)
        }
    }
    function chooseLanguage(select) {
        const spoken = [...select.options].map((option) => option.value);
        const wanted = [storedLanguage(), ...(navigator.languages || [navigator.language])];
        return wanted.map((code) => String(code || '').toLowerCase().split('-')[0])
            .find((code) => spoken.includes(code)) || 'en';
    }

    const boxes = {};  // Text1 .. Text33 by number
    let addressRow = [], maskRow = [];

    function element(tag, attributes, text) {
        const e = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes || {})) e.setAttribute(name, value);
        if (text !== undefined) e.textContent = text;
        return e;
    }

    function build() {
        const inputs = document.getElementById('inputs');
        const results = document.getElementById('results');
        const status = document.getElementById('status');
        rows.cached.forEach((row, index) => {
            const input = row.first <= 8;
            const captionId = `caption-${index}`;
            const div = element('div', { class: 'row', role: 'group', 'aria-labelledby': captionId });
            if (row.key === 'networkLine') div.classList.add('line');
            div.append(element('span', { class: 'caption', id: captionId }, row.caption));
            row.captionElement = div.lastChild;
            // The class letter has a box of an octet's width, as in the window.
            const narrow = row.boxes > 1 || row.key === 'class';
            const octets = element('span', { class: narrow ? 'octets' : 'single' });
            const row4 = [];
            for (let k = 0; k < row.boxes; ++k) {
                const number = row.first + k;
                const name = row.boxes > 1 ? `${row.caption}, octet ${k + 1}` : row.caption;
                let box;
                if (input) {
                    box = element('input', {
                        id: `Text${number}`, type: 'text', inputmode: 'decimal', 'aria-label': name,
                        spellcheck: 'false', autocapitalize: 'off', enterkeyhint: 'go',
                    });
                    row4.push(box);
                } else {
                    box = element('span', {
                        id: `Text${number}`, class: narrow ? 'box' : 'box wide',
                        role: 'textbox', 'aria-readonly': 'true', 'aria-label': name,
                    });
                    // The status box takes the focus, as in the window; the others do not.
                    if (row.key === 'status') box.tabIndex = 0;
                }
                box.octet = row.boxes > 1 ? k + 1 : 0;
                boxes[number] = box;
                if (k > 0 && (input || row.first <= 16)) {
                    octets.append(element('span', { class: 'dot', 'aria-hidden': 'true' }, '.'));
                }
                octets.append(box);
            }
            div.append(octets);
            // As in the window, the status box comes after the button, and Tab reaches it last.
            (input ? inputs : row.key === 'status' ? status : results).append(div);
            if (row.first === 1) addressRow = row4;
            if (row.first === 5) maskRow = row4;
        });
        ['0', '0', '0', '0', '255', '255', '255', '0'].forEach((text, k) => { boxes[k + 1].value = text; });
        boxes[21].textContent = 'OK';  // as the window's status starts
        addressRow.forEach((box, k) => wire(box, 0, k));
        maskRow.forEach((box, k) => wire(box, 1, k));
        document.getElementById('calculator').addEventListener('submit', (event) => {
            event.preventDefault();
            recalculate();
        });
        buildList();
        buildPractice();
        const select = document.getElementById('language');
        select.value = chooseLanguage(select);
        // The page is written in English: another language is the only work before the answer.
        if (select.value !== 'en') setLanguage(select.value);
        select.addEventListener('change', () => {
            setLanguage(select.value);
            try {
                localStorage.setItem(languageKey, select.value);
            } catch (error) {
                // Not kept; the page still speaks it until it is closed.
            }
        });
        follow();
        window.addEventListener('hashchange', follow);
        // After the answer: focusing brings the page's style and layout up to date first.
        addressRow[0].focus();
    }

    // Text1_Change: the mask follows the first octet.
    function followFirstOctet() {
        naturalMask(addressRow[0].value).forEach((text, k) => { maskRow[k].value = text; });
    }

    function setRow(row, texts) {
        texts.forEach((text, k) => { row[k].value = text; });
    }

    function fillRows(entry) {
        if (entry.address) {
            setRow(addressRow, entry.address);
            followFirstOctet();
        }
        if (entry.mask) setRow(maskRow, entry.mask);
    }

    // One box's gate: what each change does to the row is the module's answer.
    function wire(box, row, k) {
        const rowBoxes = row === 0 ? addressRow : maskRow;
        let before = box.value, from = 0, to = 0;
        const remember = () => {
            before = box.value;
            from = box.selectionStart;
            to = box.selectionEnd;
        };
        box.addEventListener('beforeinput', (event) => {
            remember();
            if (event.inputType === 'insertText' && event.data && event.data.length === 1 &&
                rowEntry(true, row, k, from, to, before, event.data).kind === Kind.nextBox) {
                event.preventDefault();
                rowBoxes[k + 1].focus();
                rowBoxes[k + 1].select();
            }
        });
        box.addEventListener('input', () => {
            const entry = rowEntry(false, row, k, from, to, before, box.value);
            if (entry.kind === Kind.box) {
                if (box.value !== entry.text) box.value = entry.text;
                box.setSelectionRange(entry.cursor, entry.cursor);
                if (row === 0 && k === 0 && box.value !== before) followFirstOctet();
            } else {
                box.value = before;
                box.setSelectionRange(from, to);
                if (entry.kind === Kind.rows) fillRows(entry);
            }
            remember();
        });
    }

    // The captions, the boxes' names, the button and the words of the last press in a language;
    // what is typed in the boxes stays.
    let lastTexts = null;
    function setLanguage(code) {
        const bytes = encoder.encode(code);
        putBytes(bytes);
        wasm.octaval_language(bytes.length);
        document.documentElement.lang = code;
        const octetName = translate('Caption', '%1, octet %2');
        for (const row of rows.cached) {
            const caption = translate('Caption', row.caption);
            row.captionElement.textContent = caption;
            for (let k = 0; k < row.boxes; ++k) {
                const box = boxes[row.first + k];
                box.setAttribute('aria-label', box.octet
                    ? octetName.replace('%1', caption).replace('%2', String(box.octet)) : caption);
            }
        }
        for (const e of document.querySelectorAll('[data-context]')) {
            if (e.id === 'working' && lastTexts) continue;
            if (!e.dataset.source) e.dataset.source = e.textContent;
            // Without the window's mark of a shortcut key ("&Check").
            e.textContent = translate(e.dataset.context, e.dataset.source).replace(/&(&?)/g, '$1');
        }
        if (lastTexts) {
            // Pressed again, as the window presses each time on a fresh calculator, so that the
            // words are those of the press the boxes show even after a call of octaval.press.
            press(lastTexts);
            showWords(lastTexts);
        } else {
            boxes[21].textContent = translate('Status', 'OK');
        }
        showLinkError();
        showSeedError();
        listWorded = false;
        updateList(true);
        practiceWorded = false;
        if (asked.length) {
            // The problem on show in the new words, with its answers and marks.
            wordPractice();
            nextProblem(true);
        }
    }

    // Every subnet: a table of a constant number of rows that shows the part of the list that
    // the slider below it (or the wheel over it) scrolls to, so that a list of 4,194,304 rows
    // costs no more than one of four.
    const listRows = 16;
    const columns = 6;  // the module's octaval_list_columns
    let listCount = 0, listFirst = 0, listFound = -1, listHeader = [], listBody = [];
    let listScroll, listMessage, listHeading, csvLink, listWorded = false, listed = '';
    // What a press shows in the working and the list is made when they are open, so that
    // nothing but the answer is made before the answer shows.
    let workingDetails, listDetails, workingTexts = null, listMade = false;
    function buildList() {
        const table = document.getElementById('list');
        workingDetails = document.getElementById('working-of-the-press');
        listDetails = document.getElementById('every-subnet');
        workingDetails.addEventListener('toggle', showWorking);
        document.getElementById('working-step').addEventListener('change', (event) => {
            workingStep = event.target.selectedIndex;
            drawBits();
        });
        listDetails.addEventListener('toggle', () => { if (!listMade) updateList(false); });
        listScroll = document.getElementById('list-scroll');
        listMessage = document.getElementById('list-message');
        listHeading = document.getElementById('list-heading');
        csvLink = document.getElementById('csv');
        listHeader = Array.from({ length: columns }, () => element('th', { scope: 'col' }));
        table.tHead.rows[0].append(...listHeader);
        for (let k = 0; k < listRows; ++k) {
            const row = element('tr');
            row.append(...Array.from({ length: columns }, () => element('td')));
            table.tBodies[0].append(row);
            listBody.push(row);
        }
        const scrollTo = (first) => {
            listFirst = Math.max(0, Math.min(first, Number(listScroll.max)));
            drawList();
        };
        listScroll.addEventListener('input', () => scrollTo(Number(listScroll.value)));
        // Down the list is towards its higher numbers, a page is the table's rows; Home and End
        // are the slider's own.
        listScroll.addEventListener('keydown', (event) => {
            const step = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1,
                PageDown: listRows, PageUp: -listRows }[event.key];
            if (!step) return;
            event.preventDefault();
            scrollTo(listFirst + step);
        });
        table.addEventListener('wheel', (event) => {
            if (!listCount || !event.deltaY) return;
            event.preventDefault();
            scrollTo(listFirst + Math.sign(event.deltaY) * 3);
        }, { passive: false });
        const findBox = document.getElementById('find');
        const find = () => {
            const number = search(findBox.value);
            if (number < 0) return;  // 2^32 - 1 reads as -1: no row
            listFound = number;
            scrollTo(number);
        };
        findBox.addEventListener('keydown', (event) => {
            if (event.key !== 'Enter') return;
            event.preventDefault();
            find();
        });
        document.getElementById('find-button').addEventListener('click', find);
        // The CSV is made when it is asked for, in pieces, as octaval-cli --list --csv writes it.
        csvLink.addEventListener('click', () => {
            if (csvLink.href.startsWith('blob:')) return;
            const parts = [];
            for (let next = 0; next < listCount;) {
                next = wasm.octaval_list_csv(next, 1 << 20);
                parts.push(bytesIn(wasm.octaval_output(), wasm.octaval_output_length()).slice());
            }
            csvLink.href = URL.createObjectURL(new Blob(parts, { type: 'text/csv' }));
        });
    }

    // The search's answer in the list's message; the row's number, or -1.
    let searched = null;
    function search(text) {
        searched = text;
        const bytes = encoder.encode(text);
        putBytes(bytes);
        const number = wasm.octaval_list_find(bytes.length);
        listMessage.textContent = output(wasm.octaval_output_length());
        return number;
    }

    // The list of the last press; `keep` keeps its place and words its message anew (another
    // language).
    function updateList(keep) {
        listMade = listDetails.open;
        if (!listMade) return;
        if (!listWorded) {
            const captions = output(wasm.octaval_list_columns()).split('\t');
            listHeader.forEach((cell, k) => { cell.textContent = captions[k]; });
            listScroll.setAttribute('aria-label', translate('Caption', 'Subnet'));
            listWorded = true;
        }
        listCount = wasm.octaval_list();
        const [heading, row, key] = output(wasm.octaval_output_length()).split('\t');
        listHeading.textContent = heading;
        // A search of another network's list names nothing in this one.
        if (listCount && key !== listed) {
            document.getElementById('find').value = '';
            searched = null;
        }
        if (listCount) listed = key;
        listMessage.textContent = '';
        if (keep && listCount && searched !== null) search(searched);
        if (!keep) searched = null;
        for (const id of ['list-view', 'list-find']) document.getElementById(id).hidden = !listCount;
        if (csvLink.href.startsWith('blob:')) URL.revokeObjectURL(csvLink.href);
        csvLink.href = '#';
        csvLink.hidden = !listCount;
        document.getElementById('list').setAttribute('aria-rowcount', String(listCount + 1));
        listScroll.max = String(Math.max(0, listCount - listRows));
        if (!keep) {
            // Opened at the row of the press's address, marked, in the middle where it can be.
            listFound = listCount ? Number(row) : -1;
            listFirst = Math.max(0, Math.min(listFound - listRows / 2, listCount - listRows));
        }
        drawList();
    }

    function drawList() {
        const text = output(wasm.octaval_list_rows(listFirst, listRows));
        const lines = text ? text.slice(0, -1).split('\n') : [];
        listBody.forEach((row, k) => {
            const cells = k < lines.length ? lines[k].split('\t') : null;
            row.hidden = !cells;
            row.setAttribute('aria-rowindex', String(listFirst + k + 2));
            if (listFirst + k === listFound) row.setAttribute('aria-current', 'true');
            else row.removeAttribute('aria-current');
            [...row.cells].forEach((cell, c) => { cell.textContent = cells ? cells[c] : ''; });
        });
        listScroll.value = String(listFirst);
        listScroll.setAttribute('aria-valuetext', lines.length ? lines[0].split('\t')[0] : '0');
    }

    // Practice: problems from a seed, the library's marks and reasons, and the session's score.
    let practiceDetails, practiceWorded = false, asked = [];
    function buildPractice() {
        practiceDetails = document.getElementById('practice');
        const options = document.getElementById('practice-options');
        practiceDetails.addEventListener('toggle', () => {
            if (practiceDetails.open && !practiceWorded) startPractice();
        });
        options.addEventListener('change', (event) => {
            // At least one class stays chosen, as in the window.
            if (event.target.name === 'class' && !options.querySelector('[name=class]:checked')) {
                event.target.checked = true;
            }
            startPractice();
        });
        options.addEventListener('submit', (event) => {
            event.preventDefault();
            startPractice();
        });
        document.getElementById('practice-problem').addEventListener('submit', (event) => {
            event.preventDefault();
            checkAnswers();
        });
        document.getElementById('next-problem').addEventListener('click', nextProblem);
        document.getElementById('print-worksheet').addEventListener('click', printWorksheet);
    }

    // The session's worksheet (its seed, classes and level) as a page of its own, to print or
    // save as PDF from the browser.
    function printWorksheet() {
        // The sheet of the seed on show, or none when it is not a seed.
        const seed = document.getElementById('seed').value.trim();
        if ((!practiceWorded || seed !== startedSeed) && !startPractice()) return;
        const key = document.getElementById('worksheet-key').checked ? 1 : 0;
        const page = output(wasm.octaval_practice_worksheet(key));
        if (!page) return;
        const sheet = window.open(URL.createObjectURL(new Blob([page], { type: 'text/html' })));
        if (!sheet) return;
        sheet.addEventListener('load', () => {
            // The tab keeps this page's content security policy, which refuses the worksheet's
            // own style element: its rules reach the tab through the CSS object model instead.
            const style = new sheet.CSSStyleSheet();
            style.replaceSync(sheet.document.querySelector('style')?.textContent ?? '');
            sheet.document.adoptedStyleSheets = [style];
            sheet.print();
        });
    }

    // The level's choices and the status messages in the page's language.
    function wordPractice() {
        const level = document.getElementById('level');
        const chosen = level.value;
        level.replaceChildren();
        statusChoices = [];
        for (const line of output(wasm.octaval_practice_choices()).trimEnd().split('\n')) {
            const [kind, value, text] = line.split('\t');
            if (kind === 'level') level.append(element('option', { value }, text));
            else statusChoices.push([value, text]);
        }
        if (chosen) level.value = chosen;
        practiceWorded = true;
    }
    let statusChoices = [];

    // A new session under the options shown; a seed that is not a whole number starts none.
    function startPractice() {
        if (!practiceWorded) wordPractice();
        const level = document.getElementById('level');
        const classes = [...document.querySelectorAll('#practice-options [name=class]')]
            .filter((box) => box.checked).map((box) => box.value).join('');
        const seedText = document.getElementById('seed').value.trim();
        const seed = /^\d{1,20}$/.test(seedText) ? BigInt(seedText) : -1n;
        const bytes = encoder.encode(classes);
        putBytes(bytes);
        if (seed < 0n || seed >= 1n << 64n || !wasm.octaval_practice_start(
            Number(seed >> 32n), Number(seed & 0xFFFFFFFFn), level.selectedIndex, bytes.length)) {
            badSeed = seedText;
            showSeedError();
            return false;
        }
        badSeed = null;
        startedSeed = seedText;
        showSeedError();
        showProblem(1, null);  // the session's first
        return true;
    }

    // A seed that starts no session says so, and nothing goes on from it.
    let badSeed = null, startedSeed = null;
    function showSeedError() {
        const seed = document.getElementById('seed');
        const message = document.getElementById('seed-message');
        if (badSeed === null) seed.removeAttribute('aria-invalid');
        else seed.setAttribute('aria-invalid', 'true');
        message.textContent = badSeed === null ? '' : translate('octaval::web',
            'The seed is a whole number from 0 to 18446744073709551615, not “%1”').replace('%1', badSeed);
        message.hidden = badSeed === null;
    }

    // The next problem; again (true), the one on show, with what is typed and marked.
    function nextProblem(again) {
        const kept = again === true ? asked.map((q) => q.field.value) : null;
        showProblem(kept ? 1 : 0, kept);
    }

    // The problem octaval_practice_next gives (again: 1, the one on show), with the answers kept.
    function showProblem(again, kept) {
        const marked = kept && asked.some((q) => q.mark.textContent);
        const [address, mask, progress, summary, ...questions] =
            output(wasm.octaval_practice_next(again)).split('\x1e');
        document.getElementById('problem-address').value = address;
        document.getElementById('problem-mask').value = mask;
        document.getElementById('problem-progress').textContent = progress;
        document.getElementById('summary').textContent = summary;
        document.getElementById('reasons').replaceChildren();
        document.getElementById('score').textContent = '';
        const rows = document.getElementById('questions');
        rows.replaceChildren();
        asked = questions.map((line) => {
            const [key, prompt] = line.split('\t');
            const id = `answer-${key}`;
            let field;
            if (key === 'status') {
                field = element('select', { id });
                field.append(element('option', { value: '' }, ''),
                    ...statusChoices.map(([value, text]) => element('option', { value }, text)));
            } else {
                field = element('input', {
                    id, type: 'text', spellcheck: 'false', autocapitalize: 'off',
                    inputmode: line.endsWith('\t1') ? 'decimal' : 'text',
                });
            }
            const mark = element('span', { class: 'mark', id: `mark-${key}` });
            field.setAttribute('aria-describedby', mark.id);
            rows.append(element('label', { for: id }, prompt), field, mark);
            return { prompt, field, mark };
        });
        if (kept) {
            asked.forEach((q, k) => { q.field.value = kept[k]; });
            if (marked) checkAnswers(true);
        } else if (asked.length) {
            asked[0].field.focus();
        }
    }

    // The marks of the answers; again (true), those of the last check in the page's words.
    function checkAnswers(again) {
        // A line break cannot be typed into a field; it parts the answers.
        const bytes = encoder.encode(asked.map((q) => q.field.value.replace(/\n/g, ' ')).join('\n'));
        putBytes(bytes);
        const lines = output(wasm.octaval_practice_check(bytes.length, again === true ? 1 : 0)).split('\n');
        const reasons = [];
        asked.forEach((q, k) => {
            const [verdict, text, why] = lines[k].split('\t');
            q.mark.textContent = text;
            q.mark.className = `mark ${verdict === 'R' ? 'right' : verdict === 'W' ? 'wrong' : ''}`;
            q.field.setAttribute('aria-invalid', String(verdict === 'W'));
            if (why) reasons.push(element('li', {}, `${q.prompt}: ${why}`));
        });
        document.getElementById('reasons').replaceChildren(...reasons);
        document.getElementById('score').textContent = lines[asked.length];
    }

    // The texts of the last press that are words, in the page's language: the result lines,
    // the status and the working.
    function showWords(texts) {
        const [network, subnet, host, status] = output(wasm.octaval_shown()).split('\n');
        [network, subnet, host, status].forEach((text, k) => { boxes[18 + k].textContent = text; });
        workingTexts = texts;
        showWorking();
    }

    function showWorking() {
        if (!workingDetails.open || !workingTexts) return;
        putTexts(workingTexts);
        workingTexts = null;
        document.getElementById('working').textContent = output(wasm.octaval_working());
        const [rows, steps] = [[], []];
        const bitLines = output(wasm.octaval_working_bits()).trimEnd().split('\n');
        for (const line of bitLines.filter(Boolean)) {
            if (rows.length < 4) rows.push(line);
            else steps.push(line.split('\t'));
        }
        bitRows = rows.length ? { rows, steps } : null;
        const choice = document.getElementById('working-step');
        choice.replaceChildren(...steps.map(([title], k) =>
            element('option', { value: k }, `${k + 1}. ${title}`)));
        choice.selectedIndex = workingStep < steps.length ? workingStep : 0;
        document.getElementById('working-steps').hidden = !bitRows;
        drawBits();
    }

    // The working's bit rows as the Working window draws them: each field on a tint of its own,
    // the subnet bits bold, and the bits the chosen step speaks of on a colour of their own,
    // bold and underlined; the '|' between fields stays, so that colour is not the only sign.
    let bitRows = null;
    let workingStep = 0;  // the step chosen; another language keeps it, a press starts at the first
    const fieldClass = { n: 'network', s: 'subnet', h: 'host', '-': 'none' };
    function drawBits() {
        const pre = document.getElementById('working');
        if (!bitRows) return;
        const text = pre.textContent;
        const step = bitRows.steps[document.getElementById('working-step').selectedIndex] || [];
        const lines = text.split('\n');
        // The bit rows are the four lines, one under the other, that end in the rows' fields' bits.
        const first = lines.findIndex((_, k) => bitRows.rows.every((row, r) => {
            const tail = (lines[k + r] || '').slice(-row.length);
            return tail.length === row.length &&
                [...row].every((c, i) => (c in fieldClass ? '01'.includes(tail[i]) : tail[i] === c));
        }));
        if (first < 0) return;
        // The four rows stay whole lines, one under the other, in a box of their own that a
        // narrow screen scrolls sideways and the keyboard reaches.
        const parts = [];
        bitRows.rows.forEach((fields, r) => {
            const line = lines[first + r];
            const start = line.length - fields.length;
            parts.push(line.slice(0, start));
            const marks = Number(step[r + 1] || 0);
            let bit = 0, run = '', look = '';
            const flush = () => {
                if (run) parts.push(look ? element('span', { class: look }, run) : run);
                run = '';
            };
            for (let i = 0; i < fields.length; ++i) {
                const c = fields[i];
                // A '|' between two fields stands on the page's own background.
                let next = c === '|' ? '' : look;
                if (c in fieldClass) next = (marks >>> (31 - bit++)) & 1 ? 'marked' : fieldClass[c];
                if (next !== look) flush();
                look = next;
                run += line[start + i];
            }
            flush();
            parts.push('\n');
        });
        const box = element('span', { class: 'bits', tabindex: '0' });
        box.append(...parts);
        pre.replaceChildren(lines.slice(0, first).join('\n') + '\n', box, lines.slice(first + 4).join('\n'));
    }

    function recalculate() {
        const texts = [];
        for (let n = 1; n <= 8; ++n) texts.push(boxes[n].value);
        show(JSON.parse(press(texts)));
        lastTexts = texts;
        workingStep = 0;
        showWords(texts);
        updateList(false);
        if (!performance.getEntriesByName('octaval-answer').length) performance.mark('octaval-answer');
        // The address bar follows the press, so that it can be passed on as a link to it.
        const line = encoder.encode(texts.join('\t'));
        putBytes(line);
        // A press that no link reads back (a box of "1 2" or "/8") leaves the address bar
        // without one, rather than pass on a link to another press or to none.
        const link = output(wasm.octaval_link(line.length));
        history.replaceState(null, '', link ? `#${encodeURI(link)}` : location.pathname + location.search);
        linkError = null;
        showLinkError();
    }

    // Why the link that opened the page names no press, in the page's language, until a press.
    let linkError = null;
    function showLinkError() {
        const message = document.getElementById('link-message');
        message.textContent = linkError ? translate('octaval::web', 'The link #%1 names no press: %2')
            .replace('%1', linkError[0]).replace('%2', linkError[1]) : '';
        message.hidden = !linkError;
    }

    // A link to a press (#192.168.1.70/27): the address goes into the address row as if pasted
    // there, and the press is made.
    function follow() {
        let link = location.hash.slice(1);
        try {
            link = decodeURIComponent(link);
        } catch (error) {
            // Read as it stands: its reason names it so.
        }
        if (!link) return;
        const entry = rowEntry(false, 0, 0, 0, addressRow[0].value.length,
            addressRow[0].value, link);
        if (entry.kind !== Kind.rows) {
            const bytes = encoder.encode(link);
            putBytes(bytes);
            linkError = [link, output(wasm.octaval_link_error(bytes.length))];
            showLinkError();
            return;
        }
        fillRows(entry);
        recalculate();
    }

    function show(result) {
        for (const row of rows.cached) {
            if (!row.key) continue;
            const value = result[row.key];
            const texts = Array.isArray(value) ? value : [value];
            texts.forEach((text, k) => { boxes[row.first + k].textContent = text; });
        }
    }

    const ready = load().then(() => {
        rows.cached = rows();
        if (document.readyState === 'loading') {
            return new Promise((resolve) => document.addEventListener('DOMContentLoaded', resolve))
                .then(build);
        }
        build();
        return undefined;
    });

    // Offline after the first visit, where the page comes from a server.
    if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
        ready.then(() => navigator.serviceWorker.register('sw.js')).catch(() => {});
    }

    window.octaval = { ready, press, batch };
})();
